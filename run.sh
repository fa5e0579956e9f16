#!/usr/bin/env bash
# Builds Penmar and lexmar, installs them and the default word lists under C:\ZOLT\ of the user's Wine
# prefix ($WINEPREFIX, or ~/.wine), writes a sample text and starts the editor with it.
# Without a display it runs the editor on a virtual X display, saves a screenshot and ends.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
source scripts/windows-setup.sh run
source scripts/word-lists.sh

build_windows_for_this_host
programs=build/win$PENMAR_BITS/bin

PENMAR_KEEP_DISPLAY=1 start_wine_session "build/win$PENMAR_BITS" "$PENMAR_BITS" "${WINEPREFIX:-$HOME/.wine}"

echo "== Installing under C:\\ZOLT\\ in $WINEPREFIX"
zolt="$WINEPREFIX/drive_c/ZOLT"
mkdir -p "$zolt"
cp "$programs/Penmar.exe" "$programs/lexmar.exe" "$zolt/"
install_word_lists data "$zolt/SPELL"
printf '%s\r\n' \
  "Welcome to Penmar." \
  "" \
  "This sample text was written by the run command. Type here, open and save files" \
  "with the File menu, and try Tools > Spelling on a mispelled word or two." \
  > "$zolt/sample.txt"
ls "$zolt" "$zolt/SPELL"

echo "== Starting the editor"
if [ -z "${PENMAR_XVFB_PID:-}" ]; then
  # On the user's display: the editor, and a lookup tool it started, keep their Wine server.
  trap - EXIT
  "$PENMAR_WINE" 'C:\ZOLT\Penmar.exe' 'C:\ZOLT\sample.txt'
  exit 0
fi
"$PENMAR_WINE" 'C:\ZOLT\Penmar.exe' 'C:\ZOLT\sample.txt' >/dev/null 2>&1 &
editor=$!
sleep "${PENMAR_RUN_SECONDS:-8}"
shot="$root/build/penmar-run.png"
import -window root "$shot"
kill "$editor" 2>/dev/null || true
wait "$editor" 2>/dev/null || true
echo "No display: the editor ran on the virtual display $DISPLAY; screenshot saved to $shot"
