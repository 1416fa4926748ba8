#!/usr/bin/env bash
# Installs what is missing, builds, installs into out/install (recording that
# folder as the install folder in your settings, as an installer does) and
# starts the program on the built-in demo. Extra arguments go to vistamoor
# (default: the settings dialog). Without a display it runs on a virtual one,
# takes screenshots and says where they are.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
cmake --install build --prefix "$root/out/install" >/dev/null
echo "Installed into $root/out/install"

args=("$@")
[ ${#args[@]} -eq 0 ] && args=(/C)
program=$root/out/install/bin/vistamoor

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program" "${args[@]}"
fi

shots=$root/out/screenshots
mkdir -p "$shots"
export VISTAMOOR_SHOTS=$shots VISTAMOOR_PROGRAM=$program
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  "$VISTAMOOR_PROGRAM" "$@" & pid=$!
  win=$(timeout 20 xdotool search --sync --onlyvisible --pid $pid | head -1)
  sleep 1
  xdotool windowfocus --sync "$win" 2>/dev/null
  for page in 0 1 2 3 4 5 6; do
    import -window root "$VISTAMOOR_SHOTS/page-$page.png"
    xdotool key --window "$win" ctrl+Tab 2>/dev/null; sleep 0.3
  done
  kill $pid 2>/dev/null; wait $pid 2>/dev/null || true
' vistamoor "${args[@]}"
echo "No display here: ran on a virtual one. Screenshots: $shots"
