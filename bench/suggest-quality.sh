#!/usr/bin/env bash
# Suggestion latency and quality: the engine as shipped (the 32-bit Windows driver under Wine; the 64-bit
# one on a host that runs no 32-bit code), the native driver (with the default lists, and without
# Misspell.txt), hunspell -a and aspell -a, asked each word in turn, on the misspellings of
# ../shared/eval/misspellings-a.tsv.
# Usage: bench/suggest-quality.sh [EVAL.tsv] [LIST_DIR]
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
bash "$repo/scripts/install-deps.sh" bench
eval_file=${1:-$repo/../shared/eval/misspellings-a.tsv}
lists=${2:-$repo/data}

# The same lists without the table of common misspellings: the algorithm's own share.
plain=$(mktemp -d)
trap 'rm -rf "$plain"' EXIT
for f in Spell.txt Local.txt Prefix.txt; do
  [ -f "$lists/$f" ] && ln -s "$(cd "$lists" && pwd)/$f" "$plain/$f"
done

# Build both drivers before timing anything.
"$repo/bench/lookup-words" --dict "$lists" < /dev/null
"$repo/bench/lookup-words" --shipped --dict "$lists" < /dev/null
python3 "$repo/bench/suggest_quality.py" "$eval_file" \
  "engine shipped=$repo/bench/lookup-words --shipped --dict '$lists'" \
  "engine native=$repo/bench/lookup-words --dict '$lists'" \
  "engine native without Misspell.txt=$repo/bench/lookup-words --dict '$plain'" \
  "hunspell -a=hunspell -a -d en_US" \
  "aspell -a=aspell -a --lang=en"
