#!/usr/bin/env bash
# Installs every build, test and run dependency from Debian's packages.
# Idempotent: quiet and quick when everything is already there.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-image-formats-plugins
  libqt6svg6 libgl-dev libjpeg-dev zlib1g-dev libx11-dev libxext-dev libxss-dev
  # tests, fuzzing, benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-dev
  libexif-dev # benchmark only: the EXIF reader against libexif
  # running: fonts (CJK for the Chinese language files), sound, virtual display
  fonts-dejavu-core fonts-noto-cjk
  pulseaudio qt6-qpa-plugins libqt6multimedia6
  xvfb xauth x11-utils x11-xserver-utils x11-apps xdotool imagemagick
  pulseaudio-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
