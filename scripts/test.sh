#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build (GUI
# tests on an offscreen display, end-to-end tests under Xvfb), then the Qt-free
# core and the fuzz replays again under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
# The playback tests play real files: they need a sound server, and fail
# instead of skipping when there is none.
bash scripts/sound-server.sh
export VISTAMOOR_REQUIRE_SOUND=1

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
(cd build && ctest -j "$jobs" --output-on-failure --timeout 300)

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVISTAMOOR_SANITIZE=ON \
  -DVISTAMOOR_GUI=OFF -DVISTAMOOR_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest -j "$jobs" --output-on-failure --timeout 600)
