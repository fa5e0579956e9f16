#!/usr/bin/env bash
# Spell-check run benchmark under Wine: a 180,000-word text of known words drawn from data/Spell.txt
# (1.7 MB; no dialog opens), then the same text with every 1,000th word unknown, each answered Ignore
# Once; each time beside the line-by-line reading the run had before, in the same program.
# Usage: bench/spell-run.sh [WORDS]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
words=${1:-180000}
source scripts/wine-session.sh
source scripts/windows-build.sh
source scripts/word-lists.sh
choose_windows_bits
tested=win$PENMAR_BITS

cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native --target make_text >/dev/null
build_windows "$PENMAR_BITS" spell_run_bench >/dev/null

work=build/bench-spell-run
install_word_lists data "$work/root/ZOLT/SPELL"
# Lines begin capitalised: words like "iPad" would become unknown there, so they are left out.
grep -v '^[a-z].*[A-Z]' data/Spell.txt > "$work/words.txt"
build/native/bin/make_text "$work/words.txt" "$work/text.txt" "$words"

start_wine_session "$root/build/$tested" "$PENMAR_BITS"
bench="$root/build/$tested/bin/spell_run_bench.exe"
# Wine's drive Z: is the host's root folder.
wineRoot="Z:$(echo "$root/$work/root" | tr / '\\')"
wineText="Z:$(echo "$root/$work/text.txt" | tr / '\\')"
echo "== $words known words ($tested build under Wine)"
"$PENMAR_WINE" "$bench" "$wineRoot" "$wineText"
echo "== the same with every 1,000th word unknown, answered Ignore Once"
"$PENMAR_WINE" "$bench" "$wineRoot" "$wineText" 1000
