#!/usr/bin/env bash
# Puts the installed demo tracks into the user's music list, but only when that
# list is empty: a list the user made is never touched.
#   scripts/add-demo-music.sh [INSTALL_DATA_DIR] [VISTAMOOR_TOOL]
# Defaults: out/install/share/vistamoor and build/tools/vistamoor-tool.
set -euo pipefail
cd "$(dirname "$0")/.."

data_dir=$(realpath "${1:-out/install/share/vistamoor}")
tool=${2:-build/tools/vistamoor-tool}
music_dir=$data_dir/Music

store_get() { "$tool" store get Music "$1" 2>/dev/null || true; }

count=$(store_get MusicCounter)
[[ $count =~ ^[0-9]+$ ]] || count=0
for ((i = 0; i < count; i++)); do
  if [ -n "$(store_get "Music$i")" ]; then
    echo "add-demo-music: the music list already holds tracks; left as it is"
    exit 0
  fi
done

tracks=()
for track in "$music_dir"/*.mp3; do
  [ -f "$track" ] && tracks+=("$track")
done
if [ ${#tracks[@]} -eq 0 ]; then
  echo "add-demo-music: no demo tracks in $music_dir" >&2
  exit 1
fi

"$tool" store erase Music
"$tool" store set Music MusicCounter "${#tracks[@]}"
for i in "${!tracks[@]}"; do
  "$tool" store set Music "Music$i" "${tracks[$i]}"
done
echo "add-demo-music: the music list now holds the ${#tracks[@]} demo tracks of $music_dir"
