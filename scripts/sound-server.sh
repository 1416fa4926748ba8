#!/usr/bin/env bash
# Makes sure a sound server answers, so that music and frame sounds have an
# output. When none does, starts PulseAudio with a null sink (no sound card
# needed); it keeps running until it is killed. Run as root, PulseAudio warns
# that it is meant for users but works the same.
set -euo pipefail

pactl info >/dev/null 2>&1 && exit 0

pulseaudio --start --exit-idle-time=-1 --disallow-exit -n \
  --load=module-native-protocol-unix --load="module-null-sink sink_name=null" 2>/dev/null || true
for _ in $(seq 50); do
  if pactl info >/dev/null 2>&1; then
    pactl set-default-sink null >/dev/null 2>&1 || true
    echo "sound-server: started PulseAudio with a null sink"
    exit 0
  fi
  sleep 0.1
done
echo "sound-server: no sound server answers and PulseAudio did not start" >&2
exit 1
