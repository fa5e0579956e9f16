#!/usr/bin/env bash
# Runs a Windows test program under Wine in the build folder's own prefix.
# Usage: wine-run.sh 32|64 PROGRAM [ARGS]. The test command starts Xvfb and the wine server first.
set -u
bits=$1; shift
build=${PENMAR_BUILD_DIR:-$(pwd)}
while [ "$build" != / ] && [ ! -f "$build/CMakeCache.txt" ]; do build=$(dirname "$build"); done
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export DISPLAY=${DISPLAY:-:99}
if [ "$bits" = 64 ]; then
  exec /usr/lib/wine/wine64 "$@"
fi
exec wine "$@"
