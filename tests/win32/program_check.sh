#!/usr/bin/env bash
# Checks the Windows program as shipped: it is a program for the architecture its name says
# (-32bit: PE32 for every Windows; else PE32+ for x64), imports only DLLs every Windows has, is at
# most 1 MB, carries version 1.0.0.0 ("1.00") in U.S. English with the Unicode code page, with
# every string Explorer's Properties show, and a 32 x 32 icon in 256 colours; under Wine on its
# own Xvfb server its window maps with the right caption and client size, and a screenshot
# shows the design's colours at their places, and after a calculation the results readable.
# Usage: program_check.sh PROGRAM.exe SCREENSHOT.xwd
set -euo pipefail
program=$1
screenshot=$2
here=$(dirname "$0")
status=0
fail() { echo "FAIL: $*"; status=1; }

headers=$(x86_64-w64-mingw32-objdump -p "$program")
case $(basename "$program") in
  *-32bit.exe) expected_format=pei-i386 expected_name=$(basename "$program") ;;
  *) expected_format=pei-x86-64 expected_name=equilateral-triangle.exe ;;
esac
grep -q "file format $expected_format\$" <<<"$headers" || fail "not $expected_format"
imports=$(awk '/DLL Name:/ { print tolower($3) }' <<<"$headers")
echo "imports: $(echo $imports)"
for dll in $imports; do
  case $dll in
    kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | comdlg32.dll | shell32.dll | \
      msvcrt.dll | ucrtbase.dll | api-ms-win-crt-*.dll) ;;
    *) fail "imports $dll" ;;
  esac
done
size=$(stat -c %s "$program")
((size <= 1048576)) || fail "$size bytes, more than 1 MB"

resources=$(x86_64-w64-mingw32-windres -i "$program" -O rc)
# windres writes non-ASCII strings as L"..." with \x escapes: those are the Bulgarian texts.
bulgarian_name='L"\x0420\x0430\x0432\x043d\x043e\x0441\x0442\x0440\x0430\x043d\x0435\x043d \x0442\x0440\x0438\x044a\x0433\x044a\x043b\x043d\x0438\x043a'
for line in 'FILEVERSION 1, 0, 0, 0' 'PRODUCTVERSION 1, 0, 0, 0' 'BLOCK "040904B0"' \
            'VALUE "FileVersion", "1.00"' 'VALUE "ProductVersion", "1.00"' \
            'VALUE "CompanyName", "ravnostranen.example"' \
            'VALUE "InternalName", "equilateral-triangle"' \
            "VALUE \"OriginalFilename\", \"$expected_name\"" \
            "VALUE \"ProductName\", $bulgarian_name\"" \
            'VALUE "LegalCopyright", L"\251 2026 ravnostranen.example"' \
            "VALUE \"LegalTrademarks\", $bulgarian_name" \
            'VALUE "Translation", 0x409, 1200' 'RT_MANIFEST'; do
  grep -qF "$line" <<<"$resources" || fail "resources lack '$line'"
done
! grep -q 'BLOCK "0402' <<<"$resources" || fail "a Bulgarian version block is left"
# The icon group's entries: "width height colours pad" as octal escapes (040 is 32), planes,
# bits a pixel. The design's 32 x 32 image in 256 colours, and the larger ones for high
# resolutions.
icons=$(sed -n '/RT_GROUP_ICON/,/^END/p' <<<"$resources")
grep -qE '"\\040\\040\\000\\000", 1, 8,' <<<"$icons" ||
  fail "the icon group has no 32 x 32 image in 256 colours"
for size in '\\060\\060' '\\100\\100' '\\000\\000'; do  # 48, 64, 256
  grep -qE "\"$size\\\\000\\\\000\", 1, 32," <<<"$icons" || fail "the icon group lacks a larger image ($size)"
done

source "$here/wine_server.sh"
if [[ $expected_format == pei-i386 ]] && ! runs_32bit_wine; then
  echo "SKIPPED: under Wine (this machine does not run 32-bit programs)"
  [[ $status -eq 0 ]] && exit 77
  exit $status
fi
source "$here/../qt/xvfb.sh"
trap 'stop_wine_server; cleanup_xvfb_session' EXIT
start_xvfb
start_in_background "$here/wine.sh" "$program"
expected_title="www.ravnostranen.example Геометрия - равностранен триъгълник"
# Found by the caption's ASCII start: xdotool's regular expressions follow the C library's locale,
# and under a plain "C" one they match no Cyrillic. The whole caption is compared below.
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^www\.ravnostranen\.example ' |
  head -n1) || true
[[ -n "$window" ]] || { echo "FAIL: no window was mapped"; exit 1; }
sleep 1  # the first paint
title=$(xdotool getwindowname "$window")
size=$(xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
[[ "$title" == "$expected_title" ]] || fail "title is '$title'"
[[ "$size" == "498x364" ]] || fail "client size is $size, not 498x364"
xwd -silent -id "$window" -out "$screenshot"

# Places free of text and edges, in client pixels, and the design's colour there.
while read -r x y colour place; do
  seen=$(convert "$screenshot" -format "%[fx:int(255*p{$x,$y}.r)],%[fx:int(255*p{$x,$y}.g)],%[fx:int(255*p{$x,$y}.b)]" info:)
  [[ "$seen" == "$colour" ]] || fail "$place at ($x, $y) is $seen, not $colour"
done <<'PLACES'
5 5 192,192,255 window
490 120 192,192,255 window
99 3 255,192,128 label
130 60 255,192,128 option-1
360 90 255,192,128 option-8
270 140 128,255,128 calculate-button
380 165 128,255,128 calculate-button
358 190 255,0,0 clear-button
468 212 255,0,0 clear-button
PLACES

# After a calculation (the area, 12), the results are read-only yet readable: their text stands
# out from its ground by at least 4.5:1, and the buttons keep their solid colours.
calculate_the_area_of_12 "$window"
xwd -silent -id "$window" -out "${screenshot%.xwd}-results.xwd"
/usr/bin/python3 "$here/../qt/screen_colours.py" "${screenshot%.xwd}-results.xwd" ||
  fail "the results or buttons after a calculation"
kill -0 "${background_pids[1]}" 2>/dev/null || fail "the program is no longer running"
[[ $status -eq 0 ]] && echo "window mapped: '$title', $size, colours in place, screenshot in $screenshot"
exit $status
