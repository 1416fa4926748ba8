#!/usr/bin/env bash
# Installs what is missing, builds, installs into out/install (recording that
# folder as the install folder in your settings, as an installer does) and
# starts the show on the built-in demo. Extra arguments go to vistamoor instead
# (e.g. /C for the settings dialog). Without a display it runs on a virtual one,
# takes screenshots and says where they are.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
cmake --install build --prefix "$root/out/install" >/dev/null
echo "Installed into $root/out/install"
bash scripts/add-demo-music.sh "$root/out/install/share/vistamoor" "$root/out/install/bin/vistamoor-tool"
bash scripts/sound-server.sh || echo "No sound server: the show runs without music."

args=("$@")
[ ${#args[@]} -eq 0 ] && args=(/S)
program=$root/out/install/bin/vistamoor

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program" "${args[@]}"
fi

shots=$root/out/screenshots
mkdir -p "$shots"
export VISTAMOOR_SHOTS=$shots VISTAMOOR_PROGRAM=$program
rm -f "$shots"/*.png
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  "$VISTAMOOR_PROGRAM" "$@" & pid=$!
  win=$(timeout 20 xdotool search --sync --onlyvisible --pid $pid | head -1)
  sleep 1
  if [ "$1" = "/S" ] || [ "$1" = "/s" ]; then
    for shot in 1 2 3 4 5 6 7 8; do
      import -window root "$VISTAMOOR_SHOTS/show-$shot.png"; sleep 1.5
    done
    xdotool mousemove 10 10 click 1; sleep 3
  else
    xdotool windowfocus --sync "$win" 2>/dev/null
    for page in 0 1 2 3 4 5 6; do
      import -window root "$VISTAMOOR_SHOTS/page-$page.png"
      xdotool key --window "$win" ctrl+Tab 2>/dev/null; sleep 0.3
    done
  fi
  kill $pid 2>/dev/null; wait $pid 2>/dev/null || true
' vistamoor "${args[@]}"
echo "No display here: ran on a virtual one. Screenshots: $shots"
