#!/usr/bin/env bash
# Print preview and printed layout of a 1 MB document under Wine, on the PDF printer the test command
# sets up: the preview's first page, the whole layout and the first printed page, beside the time the
# text takes to be set into a document window. Targets: first page under 1 s, whole layout under 2 s.
# Usage: bench/editor/print-layout-bench.sh [BYTES]   (builds what is missing, prints the figures)
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
source scripts/windows-setup.sh test
source scripts/print-spooler.sh
choose_windows_bits
bits=$PENMAR_BITS tested=win$PENMAR_BITS
build_windows "$bits" print_layout_bench
start_print_spooler >/dev/null
start_wine_session "$root/build/$tested" "$bits"
echo "== Print preview and layout ($bits-bit build under Wine), three runs"
for _ in 1 2 3; do
  "$PENMAR_WINE" "build/$tested/bin/print_layout_bench.exe" "${1:-1048576}" 2>/dev/null || true
done
