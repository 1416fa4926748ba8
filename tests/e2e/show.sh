#!/usr/bin/env bash
# End-to-end: the show and the preview on a virtual display.
# Usage: show.sh BUILD_DIR SOURCE_DIR   (run under xvfb-run)
set -u
. "$(dirname "$0")/lib.sh"

# Which of our photos is on screen: R, G, B or "-" (one channel bright, the others dark).
classify() {
  local r g b
  IFS=, read -r r g b <<<"$1"
  [ -z "$b" ] && { echo -; return; }
  if [ "$r" -gt 150 ] && [ "$g" -lt 90 ] && [ "$b" -lt 90 ]; then echo R
  elif [ "$g" -gt 150 ] && [ "$r" -lt 90 ] && [ "$b" -lt 90 ]; then echo G
  elif [ "$b" -gt 150 ] && [ "$r" -lt 90 ] && [ "$g" -lt 90 ]; then echo B
  else echo -; fi
}
# The photo when nine points over its area all show it; "-" during a transition.
photo_on_screen() {
  local kinds
  kinds=$(screen_pixels 250 200 512 200 770 200 250 384 512 384 770 384 250 560 512 560 770 560 |
          while read -r colour; do classify "$colour"; done | sort -u)
  [ "$(echo "$kinds" | wc -l)" -eq 1 ] && echo "$kinds" || echo -
}

photos=$work/photos
mkdir -p "$photos"
convert -size 640x480 xc:'#e01010' "$photos/a-red.jpg"
convert -size 640x480 xc:'#10e010' "$photos/b-green.jpg"
convert -size 640x480 xc:'#1010e0' "$photos/c-blue.jpg"
order=$(for f in $(ls -U "$photos"); do case $f in *red*) printf R;; *green*) printf G;; *blue*) printf B;; esac; done)

"$tool" store set Miscellaneous InstallPath "$source/data/"
"$tool" store set Assistant FirstRun 0
"$tool" store set PhotoRoot Count 1
"$tool" store set PhotoRoot 1 "*$photos"
"$tool" store set Miscellaneous RandomShow 0
"$tool" store set Miscellaneous Stay 300
"$tool" store set Miscellaneous Speed 10
"$tool" store set Assistant SpeakDescript 0
"$tool" store set Music MusicCounter 1
"$tool" store set Music Music0 "$source/data/Music/frontiers.mp3"
streams() { pactl list short sink-inputs 2>/dev/null | wc -l; }
sound=no
pactl info >/dev/null 2>&1 && sound=yes

# The show: photos in file-system order, then again from the first.
"$vistamoor" /S & show=$!
seen="" last="-" shot_pids=()
for i in $(seq 1 4000); do
  now=$(photo_on_screen)
  if [ "$now" != "-" ] && [ "$now" != "$last" ]; then
    seen="$seen$now"; last=$now
    if [ ${#seen} -le 4 ]; then
      import -window root "$shots/show-${#seen}-$now.png" & shot_pids+=($!)
    fi
  fi
  case $seen in *"$order${order:0:1}"*) break ;; esac
  [ ${#seen} -ge 8 ] && break
  sleep 0.02
done
wait "${shot_pids[@]}" 2>/dev/null
check "the show brings the photos in file-system order ($order), then the first again (saw $seen)" \
  bash -c "case '$seen' in *'$order${order:0:1}'*) true;; *) false;; esac"

if [ $sound = yes ]; then
  check "the music plays during the show" wait_for 10 'test "$(streams)" -ge 1'
fi

"$vistamoor" /C & other=$!
wait $other; status=$?
check "a second start during the show ends at once" test "$status" -eq 0

xdotool mousemove 300 300 click 1
timeout 30 tail --pid=$show -f /dev/null
check "a click ends the show and the program" bash -c "! kill -0 $show 2>/dev/null"
if [ $sound = yes ]; then
  check "the music stops with the show" wait_for 10 'test "$(streams)" -eq 0'
else
  echo "(no sound server: music checks skipped)"
fi

# The preview inside a real foreign window.
xmessage -geometry 320x240+50+50 -name host " " & host=$!
hostwin=$(timeout 10 xdotool search --sync --onlyvisible --classname host | head -1)
"$tool" store set Miscellaneous Preview "$photos"
"$vistamoor" /P "$hostwin" & preview=$!
host_centre() { screen_pixels 210 170; }
is_photo() { [ "$(classify "$(host_centre)")" != - ]; }
check "the preview draws a photo inside the host window" wait_for 15 is_photo
import -window root "$shots/preview.png"
check "the preview runs" kill -0 $preview
kill $host; wait $host 2>/dev/null
timeout 10 tail --pid=$preview -f /dev/null
check "the preview ends when its host window goes away" bash -c "! kill -0 $preview 2>/dev/null"

finish
