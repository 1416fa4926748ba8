#!/usr/bin/env bash
# vistamoor-tool exif, caption and describe, end to end: exit statuses,
# golden EXIF listings of the sample photos, and the description file written.
set -u
tool=$1
photos=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VISTAMOOR_CONFIG_DIR="$work/config"
failures=0

check() { # check NAME EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        echo "FAIL $1: expected [$2], got [$3]"
        failures=$((failures + 1))
    fi
}

for photo in canon_mm nikon_ii; do
    "$tool" exif "$photos/$photo.jpg" > "$work/$photo.txt"
    check "exif $photo status" 0 $?
    diff -u "$photos/$photo.exif.txt" "$work/$photo.txt" || failures=$((failures + 1))
done

printf '\xff\xd8\xff\xd9' > "$work/plain.jpg"
"$tool" exif "$work/plain.jpg" > /dev/null
check "exif without EXIF" 1 $?
printf '\xff\xd8\xff' > "$work/cut.jpg"
err=$("$tool" exif "$work/cut.jpg" 2>&1 >/dev/null)
check "exif cut short status" 2 $?
check "exif cut short message" "vistamoor-tool: Out of bounds" "$err"
"$tool" exif "$work/missing.jpg" 2>/dev/null
check "exif missing file" 2 $?

# describe: the editor's rules on a folder of its own
mkdir "$work/photos"
cp "$photos/canon_mm.jpg" "$work/photos/IMG_1.jpg"
"$tool" describe "$work/photos/IMG_1.jpg"
check "describe without a line" 1 $?
"$tool" describe "$work/photos/IMG_1.jpg" --set "Sunset  "
check "describe set" 0 $?
check "describe file" "IMG_1.jpg Sunset" "$(tr -d '\r' < "$work/photos/descript.ion")"
check "describe CR LF" "$(printf 'IMG_1.jpg Sunset\r\n' | od -An -c)" "$(od -An -c < "$work/photos/descript.ion")"
check "describe read" "Sunset" "$("$tool" describe "$work/photos/IMG_1.jpg")"
check "describe hidden" "descript.ion" "$(cat "$work/photos/.hidden")"

# caption: templates from files and from the store
printf 'Taken %%DateTimeOriginal%%[yyyy-mm-dd] with a %%Model%%: %%Comment%%' > "$work/exif.txt"
printf 'No EXIF for %%FileName%%' > "$work/noexif.txt"
check "caption from files" "Taken 2004-07-18 with a Canon EOS 5D Mark II: Sunset " \
    "$("$tool" caption "$work/photos/IMG_1.jpg" --exif-template "$work/exif.txt" --noexif-template "$work/noexif.txt")"
check "caption without EXIF" "No EXIF for plain" \
    "$("$tool" caption "$work/plain.jpg" --exif-template "$work/exif.txt" --noexif-template "$work/noexif.txt")"
"$tool" store set Descript ExifFormat '%Make% at %DateTimeOriginal%[hh:nn]' || failures=$((failures + 1))
check "caption from the store" "Canon at 06:15" "$(LANG=C "$tool" caption "$work/photos/IMG_1.jpg")"

"$tool" describe "$work/photos/IMG_1.jpg" --clear
check "describe clear" 0 $?
check "describe cleared file" 0 "$(stat -c %s "$work/photos/descript.ion")"

touch "$work/blocker"
err=$("$tool" describe "$work/blocker/IMG_1.jpg" --set "x" 2>&1)
check "describe unwritable status" 2 $?
case "$err" in *"Cannot write"*) ;; *) check "describe unwritable message" "Cannot write ..." "$err" ;; esac

[ "$failures" -eq 0 ] && echo "all tool checks passed"
exit "$failures"
