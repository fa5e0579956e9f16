#!/usr/bin/env bash
# Builds Penmar and lexmar, installs them and the default word lists under C:\ZOLT\ of the user's Wine
# prefix ($WINEPREFIX, or ~/.wine), writes a sample text and starts the editor with it.
# Without a display it runs the editor on a virtual X display, saves a screenshot and ends.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
echo "== Packages the two programs need (installed with apt-get when missing)"
source scripts/windows-setup.sh run
source scripts/word-lists.sh

choose_windows_bits
prefix=${WINEPREFIX:-$HOME/.wine}
# A new Wine prefix takes some 15 s to make: it is made while the programs build.
(use_wine_prefix "$prefix" "$PENMAR_BITS") &
preparing=$!
build_windows_for_this_host Penmar lexmar
programs=build/win$PENMAR_BITS/bin
wait "$preparing" || true

if [ -n "${DISPLAY:-}" ]; then
  echo "== Wine on your display $DISPLAY, prefix $prefix"
  use_wine_prefix "$prefix" "$PENMAR_BITS"
else
  echo "== No display: Wine on a virtual display (Xvfb), prefix $prefix"
  start_wine_session "build/win$PENMAR_BITS" "$PENMAR_BITS" "$prefix"
fi
add_wine_fonts

echo "== Installing the programs and the word lists under C:\\ZOLT\\ ($WINEPREFIX/drive_c/ZOLT)"
zolt="$WINEPREFIX/drive_c/ZOLT"
mkdir -p "$zolt"
cp "$programs/Penmar.exe" "$programs/lexmar.exe" "$zolt/"
install_word_lists data "$zolt/SPELL"
printf '%s\r\n' \
  "Welcome to Penmar." \
  "" \
  "This sample text was written by the run command. Type here, open and save files" \
  "with the File menu. Type a word or two wrongly, then try Tools > Spelling, or select" \
  "a word and look it up with Tools > Dictionary." \
  > "$zolt/sample.txt"

echo "== Starting the editor with C:\\ZOLT\\sample.txt"
if [ -z "${PENMAR_XVFB_PID:-}" ]; then
  "$PENMAR_WINE" 'C:\ZOLT\Penmar.exe' 'C:\ZOLT\sample.txt' || true
  # No server is kept for a user's display: Wine's server ends a few seconds after its last program.
  echo "== The editor has closed; waiting for Wine to end (a lookup tool or another Wine program still"
  echo "   open keeps it; Ctrl+C leaves it to end by itself)"
  wineserver -w || true
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
