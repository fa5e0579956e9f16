#!/usr/bin/env bash
# Spell Check with the suggestion list shown, under Wine: the spell dialog's and the lookup dialog's,
# for words with a full list (smple, mothr, wierd), next to the same entries put in one by one with the
# list drawn after each, as before. Usage: bench/suggestion-list.sh [REPEATS]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
repeats=${1:-5}
source scripts/wine-session.sh
source scripts/windows-build.sh
source scripts/word-lists.sh
choose_windows_bits
tested=win$PENMAR_BITS
build_windows "$PENMAR_BITS" Penmar lexmar suggestion_list_bench >/dev/null

work=build/bench-suggestion-list
install_word_lists data "$work/root/ZOLT/SPELL"
start_wine_session "$root/build/$tested" "$PENMAR_BITS"
# Wine's drive Z: is the host's root folder.
wine_path() { echo "Z:$(echo "$1" | tr / '\\')"; }
bin="$root/build/$tested/bin"
echo "== Spell Check with the list shown ($tested build under Wine, median of $repeats)"
"$PENMAR_WINE" "$bin/suggestion_list_bench.exe" "$(wine_path "$root/$work/root")" "$(wine_path "$bin/Penmar.exe")" \
  "$(wine_path "$bin/lexmar.exe")" "$repeats"
