#!/usr/bin/env bash
# Open and save times of the editor under Wine, for text files of 1 MB and 10 MB (and the status bar's
# caret position in them), and the time of
# Replace All with 2,277 replacements in a 1 MB document next to the same replacements one by one, of
# Change All of 2,000 occurrences in 1 MB next to the one-by-one way it replaced, and of Unicode text
# (text_bench: opening 10 MB of UTF-8 beside ANSI, typing in 1 MB beside a short document), and what
# each document's history costs (history_bench: typing, Undo of Replace All and a font change, beside
# the system's edit control alone with its own Undo).
# Usage: bench/editor/run-bench.sh   (builds what is missing, prints the figures)
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
source scripts/windows-setup.sh run
choose_windows_bits
bits=$PENMAR_BITS tested=win$PENMAR_BITS
build_windows "$bits" Penmar editor_bench replace_all_bench change_all_bench history_bench text_bench
start_wine_session "$root/build/$tested" "$bits"

folder="$WINEPREFIX/drive_c/bench"
mkdir -p "$folder"
# Lines of about 70 characters with CR LF ends, as a long plain text document has.
make_text() {
  local bytes=$1 out=$2
  awk -v bytes="$bytes" 'BEGIN {
    srand(1); n = 0; ORS = "\r\n";
    split("the quick brown fox jumps over a lazy dog while seven wizards quietly judge boxing matches", w, " ");
    while (n < bytes) { line = ""; while (length(line) < 68) line = line w[int(rand() * 16) + 1] " ";
      print line; n += length(line) + 2 } }' > "$out"
  truncate -s "$bytes" "$out"
}
cp "build/$tested/bin/Penmar.exe" "$folder/"
make_text 1048576 "$folder/one-mb.txt"
make_text 10485760 "$folder/ten-mb.txt"
for name in one-mb ten-mb; do
  echo "== $name.txt ($bits-bit build under Wine)"
  "$PENMAR_WINE" "build/$tested/bin/editor_bench.exe" "C:\\bench\\$name.txt" "C:\\bench\\Penmar.exe" 2>/dev/null \
    || true
done
echo "== Replace All in a 1 MB document ($bits-bit build under Wine)"
"$PENMAR_WINE" "build/$tested/bin/replace_all_bench.exe" 1048576 2277 --one-by-one 2>/dev/null || true
echo "== Change All in a 1 MB document ($bits-bit build under Wine)"
"$PENMAR_WINE" "build/$tested/bin/change_all_bench.exe" 1048576 2000 --one-by-one 2>/dev/null || true
echo "== Unicode text: 10 MB UTF-8 beside ANSI, typing in 1 MB beside a short document and the bare control ($bits-bit build under Wine)"
"$PENMAR_WINE" "build/$tested/bin/text_bench.exe" 'C:\bench' 2>/dev/null || true
echo "== Each document's history: typing, Undo of Replace All and a font change beside the bare control ($bits-bit build under Wine)"
"$PENMAR_WINE" "build/$tested/bin/history_bench.exe" 2>/dev/null || true
