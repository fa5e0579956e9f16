#!/usr/bin/env bash
# Runs a Windows test program under Wine in the build folder's own prefix (ctest's emulator).
# Usage: wine-run.sh 32|64 PROGRAM [ARGS]. The test command starts Xvfb and the wine server first.
# GoogleTest reads GTEST_FILTER from the environment, also under Wine: GTEST_FILTER='Suite.Case' ctest -R
# PROGRAM runs one case.
set -u
bits=$1; shift
build=${PENMAR_BUILD_DIR:-$(pwd)}
while [ "$build" != / ] && [ ! -f "$build/CMakeCache.txt" ]; do build=$(dirname "$build"); done
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export DISPLAY=${DISPLAY:-:99}
source "$(dirname "$0")/wine-session.sh"
use_wine "$bits"
exec "$PENMAR_WINE" "$@"
