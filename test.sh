#!/usr/bin/env bash
# Builds both programs and runs every test: native tests (also under the sanitizers, with the fuzz
# targets, when clang is there), then the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
source scripts/windows-setup.sh test
source scripts/print-spooler.sh

echo "== Native build and tests"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native
ctest --test-dir build/native --output-on-failure -j2

if command -v clang++ >/dev/null; then
  echo "== Native tests under AddressSanitizer and UBSan, and the fuzz targets"
  bash scripts/sanitized-tests.sh
fi

build_windows_for_this_host

echo "== Print spooler with the PDF printer"
start_print_spooler

echo "== Windows tests under Wine (win$PENMAR_BITS)"
start_wine_session "$root/build/win$PENMAR_BITS" "$PENMAR_BITS"
ctest --test-dir "build/win$PENMAR_BITS" --output-on-failure --timeout 600
