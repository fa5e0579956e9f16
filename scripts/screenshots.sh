#!/usr/bin/env bash
# Takes the README's screenshots of the real windows under Xvfb: docs/editor.png, docs/spell-dialog.png,
# docs/lexmar.png and docs/print-preview.png. Run ./test.sh (or build the Windows programs) first.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source scripts/wine-session.sh
source scripts/word-lists.sh
choose_windows_bits
build=build/win$PENMAR_BITS
[ -f "$build/bin/Penmar.exe" ] && [ -f "$build/bin/lexmar.exe" ] && [ -f "$build/bin/window_probe.exe" ] || {
  echo "Build the Windows programs first (./test.sh)." >&2; exit 1; }

work="$root/build/screenshots"
rm -rf "$work" && mkdir -p "$work"
start_wine_session "$work" "$PENMAR_BITS"
add_wine_fonts
size=1100x640
# A virtual desktop draws Wine's own title bars; Liberation Serif stands in for Times New Roman.
"$PENMAR_WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
"$PENMAR_WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$size" /f >/dev/null 2>&1
"$PENMAR_WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /d 'Liberation Serif' /f >/dev/null 2>&1
restart_wine_session

zolt="$WINEPREFIX/drive_c/ZOLT"
mkdir -p "$zolt"
cp "$build/bin/Penmar.exe" "$build/bin/lexmar.exe" "$zolt/"
install_word_lists data "$zolt/SPELL"
printf 'This letter checks the speling of the active document.\r\nEach unknwon word opens the spelling dialog with suggestions.\r\n' > "$zolt/letter.txt"
probe="$root/$build/bin/window_probe.exe"

shoot() { sleep "$2"; import -window root -crop "${3:-$size+0+0}" +repage "$root/docs/$1"; echo "docs/$1"; }

mkdir -p docs
"$PENMAR_WINE" 'C:\ZOLT\Penmar.exe' 'C:\ZOLT\letter.txt' &
"$PENMAR_WINE" "$probe" --command myWindowClass Penmar 0
shoot editor.png 2
"$PENMAR_WINE" "$probe" --command myWindowClass Penmar 40025   # Tools > Spelling
shoot spell-dialog.png 3
restart_wine_session

"$PENMAR_WINE" 'C:\ZOLT\lexmar.exe' recieve &
shoot lexmar.png 4 600x460+250+90
restart_wine_session

"$PENMAR_WINE" 'C:\ZOLT\Penmar.exe' 'C:\ZOLT\letter.txt' &
"$PENMAR_WINE" "$probe" --command myWindowClass Penmar 40071   # File > Print Preview
shoot print-preview.png 4
