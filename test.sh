#!/usr/bin/env bash
# Builds both programs and runs every test: native engine tests, then the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
bash cmake/install-deps.sh
source cmake/wine-session.sh
source cmake/print-spooler.sh

echo "== Native build and tests"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native
ctest --test-dir build/native --output-on-failure

echo "== 32-bit Windows build (the shipped programs)"
cmake -S . -B build/win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32

if wine_runs_32bit; then
  tested=win32; bits=32
else
  echo "== This host runs no 32-bit code: the Windows tests run on the 64-bit build of the same sources"
  tested=win64; bits=64
  cmake -S . -B build/win64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build/win64
fi

echo "== Print spooler with the PDF printer"
start_print_spooler

echo "== Windows tests under Wine ($tested)"
start_wine_session "$root/build/$tested" "$bits"
ctest --test-dir "build/$tested" --output-on-failure --timeout 600
