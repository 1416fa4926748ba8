# Shared by the end-to-end scripts: arguments, a private settings and runtime
# folder, and the check counter. Source it with BUILD_DIR and SOURCE_DIR as $1 $2.
build=$1 source=$2
vistamoor=$build/src/app/vistamoor
tool=$build/tools/vistamoor-tool
shots=$build/e2e-screenshots
mkdir -p "$shots"

# Keep reaching the sound server when the runtime folder below changes.
server=$(pactl info 2>/dev/null | sed -n 's/^Server String: //p')
[ -n "$server" ] && export PULSE_SERVER=$server

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export VISTAMOOR_CONFIG_DIR=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export LANG=C.UTF-8 LC_ALL=

passed=0 failed=0
check() { # description, then a command that must succeed
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); echo "ok   - $what"; else failed=$((failed + 1)); echo "FAIL - $what"; fi
}

# screen_pixels X Y [X Y ...]: pixels of the root window as "r,g,b" lines, read
# straight from one xwd dump (fast enough for a photo that stays 300 ms).
screen_pixels() {
  local dump=$work/screen.xwd
  xwd -root -silent >"$dump" 2>/dev/null || return 1
  field() { od -An -t u1 -j "$1" -N 4 "$dump" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}'; }
  local header=$(field 0) order=$(field 28) line=$(field 48) colours=$(field 76)
  while [ $# -ge 2 ]; do
    local at=$((header + colours * 12 + $2 * line + $1 * 4))
    read -r b0 b1 b2 b3 < <(od -An -t u1 -j "$at" -N 4 "$dump")
    if [ "$order" -eq 0 ]; then echo "$b2,$b1,$b0"; else echo "$b1,$b2,$b3"; fi
    shift 2
  done
}

# wait_for SECONDS COMMAND...: true as soon as the command succeeds.
wait_for() {
  local limit=$(( $(date +%s) + $1 )); shift
  while [ "$(date +%s)" -lt "$limit" ]; do
    eval "$@" && return 0
    sleep 0.2
  done
  return 1
}

finish() {
  echo "screenshots: $shots"
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
