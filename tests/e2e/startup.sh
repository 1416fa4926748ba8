#!/usr/bin/env bash
# End-to-end: the real program in real windows on a virtual display.
# Usage: startup.sh BUILD_DIR SOURCE_DIR   (run under xvfb-run)
set -u
. "$(dirname "$0")/lib.sh"

value() { "$tool" store get "$1" "$2" 2>/dev/null; }
window_of() { xdotool search --sync --onlyvisible --pid "$1" 2>/dev/null | head -1; }
no_window_for() { ! timeout 2 xdotool search --sync --onlyvisible --pid "$1" >/dev/null 2>&1; }

"$tool" store set Miscellaneous InstallPath "$source/data/"

# First start of the settings dialog: first-run values, then a close ends the first run.
"$vistamoor" /C & dialog=$!
win=$(timeout 20 bash -c "$(declare -f window_of); window_of $dialog")
check "the settings dialog opens" test -n "$win"
sleep 1
import -window root "$shots/settings-dialog-en.png"

# While it runs, every other start ends at once without a window.
for mode in /S /C "/P 1234" ""; do
  start=$(date +%s%N)
  "$vistamoor" $mode & other=$!
  wait $other; status=$?
  took=$(( ($(date +%s%N) - start) / 1000000 ))
  check "a second start ($mode) ends at once, silently" test "$status" -eq 0 -a "$took" -lt 3000
done

xdotool windowactivate --sync "$win" key Escape 2>/dev/null || xdotool key --window "$win" Escape
timeout 10 tail --pid=$dialog -f /dev/null
check "closing the dialog ends the program" bash -c "! kill -0 $dialog 2>/dev/null"

check "the demo folder is the one checked photo folder" test "$(value PhotoRoot 1)" = "*$source/data/Demo"
check "one photo root" test "$(value PhotoRoot Count)" = "1"
check "the preview shows the demo folder" test "$(value Miscellaneous Preview)" = "$source/data/Demo"
check "the balloon is light green" test "$(value Descript BackColor)/$(value Descript BorderColor)" = "65408/8454016"
check "three caption styles" test "$("$tool" store list GrassGreen | wc -l)$("$tool" store list RoseRed | wc -l)$("$tool" store list SkyBlue | wc -l)" = "444"
check "the caption templates come from the language" bash -c "\"$tool\" store get Descript ExifFormat | grep -q '%DateTimeOriginal%'"
check "the first run is over" test "$(value Assistant FirstRun)" = "0"
check "the music types are mapped in win.ini" grep -q "mp3=MPEGVideo" "$XDG_DATA_HOME/vistamoor/win.ini"

# The Chinese dialog.
LANG=zh_CN.UTF-8 "$vistamoor" & dialog=$!
win=$(timeout 20 bash -c "$(declare -f window_of); window_of $dialog")
check "the Chinese settings dialog opens" test -n "$win"
check "its caption is Chinese" bash -c "xdotool getwindowname $win | grep -q '设置'"
sleep 1
import -window root "$shots/settings-dialog-cn.png"
kill $dialog; wait $dialog 2>/dev/null

# Preview handles that can't be used.
for args in "/P" "/P abc" "/p:1234" "/P 4000000000"; do
  "$vistamoor" $args 2>"$work/err" & pid=$!
  wait $pid; status=$?
  check "preview with '$args' fails with a message" test "$status" -ne 0 -a -s "$work/err"
  check "preview with '$args' shows no window" no_window_for $pid
done

# Without an install folder: the message, and the end.
"$tool" store erase Miscellaneous
"$vistamoor" /C & pid=$!
win=$(timeout 20 bash -c "$(declare -f window_of); window_of $pid")
check "no install folder: a message box" bash -c "xdotool getwindowname $win | grep -qi vistamoor"
import -window root "$shots/no-install-folder.png"
xdotool key --window "$win" Return; timeout 10 tail --pid=$pid -f /dev/null
wait $pid; status=$?
check "no install folder: the program ends with an error status" test "$status" -ne 0

finish
