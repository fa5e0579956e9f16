#!/usr/bin/env bash
# Spelling as you type under Wine: typing in a 1 MB document with the marks on beside the marks off, and
# the marks of a screen computed in short, 1 MB and 10 MB documents (bench/editor/marks_bench.cpp).
# Usage: bench/editor/marks-bench.sh   (builds what is missing, prints the figures)
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
source scripts/windows-setup.sh run
source scripts/word-lists.sh
choose_windows_bits
bits=$PENMAR_BITS tested=win$PENMAR_BITS
build_windows "$bits" marks_bench
work=build/bench-marks
install_word_lists data "$work/root/ZOLT/SPELL"
start_wine_session "$root/build/$tested" "$bits"
# Wine's drive Z: is the host's root folder.
wineRoot="Z:$(echo "$root/$work/root" | tr / '\\')"
echo "== spelling marks ($bits-bit build under Wine)"
"$PENMAR_WINE" "build/$tested/bin/marks_bench.exe" "$wineRoot"
