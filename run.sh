#!/usr/bin/env bash
# Builds Penmar and lexmar, installs them and the default word lists under C:\ZOLT\ of the user's Wine
# prefix ($WINEPREFIX, or ~/.wine), writes a sample text and starts the editor with it.
# Without a display it runs the editor on a virtual X display, saves a screenshot and ends.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
bash cmake/install-deps.sh
source cmake/wine-session.sh

echo "== 32-bit Windows build (the shipped programs)"
cmake -S . -B build/win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32

export WINEPREFIX=${WINEPREFIX:-$HOME/.wine}
export WINEDEBUG=${WINEDEBUG:--all}
if wine_runs_32bit; then
  programs=build/win32/bin; wine=wine
else
  # This host runs no 32-bit code: the same sources built for 64-bit Windows run instead.
  echo "== This host runs no 32-bit code: building and running the 64-bit build of the same sources"
  cmake -S . -B build/win64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build/win64
  programs=build/win64/bin; wine=/usr/lib/wine/wine64
  export WINELOADER=$wine WINESERVER=/usr/lib/wine/wineserver64
fi

headless=0
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null || true' EXIT
  export DISPLAY=":$n"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "== Creating the Wine prefix $WINEPREFIX"
  "$wine" wineboot -i >/dev/null 2>&1 || true
fi

echo "== Installing under C:\\ZOLT\\ in $WINEPREFIX"
zolt="$WINEPREFIX/drive_c/ZOLT"
mkdir -p "$zolt/SPELL"
cp "$programs/Penmar.exe" "$zolt/"
[ -f "$programs/lexmar.exe" ] && cp "$programs/lexmar.exe" "$zolt/"
for list in data/*.txt; do
  [ -e "$list" ] || continue
  name=$(basename "$list")
  # The local word list holds the words the user added: never replace one that exists.
  if [ "$name" = Local.txt ] && [ -f "$zolt/SPELL/Local.txt" ]; then continue; fi
  cp "$list" "$zolt/SPELL/"
done
printf '%s\r\n' \
  "Welcome to Penmar." \
  "" \
  "This sample text was written by the run command. Type here, open and save files" \
  "with the File menu, and try Tools > Spelling on a mispelled word or two." \
  > "$zolt/sample.txt"
ls "$zolt" "$zolt/SPELL"

echo "== Starting the editor"
if [ "$headless" = 0 ]; then
  "$wine" 'C:\ZOLT\Penmar.exe' 'C:\ZOLT\sample.txt'
  exit 0
fi
"$wine" 'C:\ZOLT\Penmar.exe' 'C:\ZOLT\sample.txt' >/dev/null 2>&1 &
editor=$!
sleep "${PENMAR_RUN_SECONDS:-8}"
shot="$root/build/penmar-run.png"
import -window root "$shot"
kill "$editor" 2>/dev/null || true
wait "$editor" 2>/dev/null || true
echo "No display: the editor ran on the virtual display $DISPLAY; screenshot saved to $shot"
