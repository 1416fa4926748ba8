#!/usr/bin/env bash
# vistamoor-tool play: the files in order, a "playing" and a "completed" line
# for each one that plays, an "error" line for one that can't, exit status 2
# when any failed. Exit 77 (skipped) without a sound server, unless the run
# requires sound.
set -uo pipefail
tool=$1
media=$(dirname "$0")

if ! pactl info >/dev/null 2>&1; then
  [ -n "${VISTAMOOR_REQUIRE_SOUND:-}" ] && { echo "no sound server"; exit 1; }
  exit 77
fi

export XDG_DATA_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_DATA_HOME"' EXIT

output=$("$tool" play "$media/tone.wav" "$media/missing.mp3" "$media/tone.mp3" 2>/dev/null)
status=$?
expected="playing $media/tone.wav
completed $media/tone.wav
error $media/missing.mp3: Cannot find the specified file \"$media/missing.mp3\". Make sure the path and filename are correct.
playing $media/tone.mp3
completed $media/tone.mp3"
if [ "$output" != "$expected" ] || [ $status -ne 2 ]; then
  printf 'status %s, output:\n%s\nexpected status 2 and:\n%s\n' "$status" "$output" "$expected"
  exit 1
fi

output=$("$tool" play "$media/tone.wma" 2>/dev/null) || { echo "a playable file gave status $?"; exit 1; }
[ "$output" = "playing $media/tone.wma
completed $media/tone.wma" ] || { echo "unexpected: $output"; exit 1; }

"$tool" play >/dev/null 2>&1
[ $? -eq 2 ] || { echo "play without files must be a usage error"; exit 1; }
echo "play command ok"
