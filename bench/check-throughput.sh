#!/usr/bin/env bash
# Check throughput: builds the benchmark, writes a 1,000,000-word text drawn from data/Spell.txt and times
# the engine's word check on it, with the shipped empty Local.txt and with a full one (32,000 words of
# its own), then hunspell and aspell on the same text.
# Usage: bench/check-throughput.sh [WORDS]
set -euo pipefail
cd "$(dirname "$0")/.."
words=${1:-1000000}
work=build/bench
bash scripts/install-deps.sh bench
source scripts/word-lists.sh
rm -f "$work/root/ZOLT/SPELL/Local.txt" "$work/full/ZOLT/SPELL/Local.txt"
install_word_lists data "$work/root/ZOLT/SPELL"
install_word_lists data "$work/full/ZOLT/SPELL"
# A full personal list: 32,000 words that the main list does not hold, one in three of its own words
# with an ending added.
awk 'NR % 3 == 0 && n < 32000 { print $0 "xq"; n++ }' data/Spell.txt > "$work/full/ZOLT/SPELL/Local.txt"

cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native --target make_text check_throughput >/dev/null

text=$work/text.txt
build/native/bin/make_text data/Spell.txt "$text" "$words"
echo "text: $text, $(wc -w < "$text") words, $(wc -l < "$text") lines"

echo "== engine (NextWord + CheckWord), empty Local.txt"
build/native/bin/check_throughput "$work/root" "$text"
echo "== engine (NextWord + CheckWord), Local.txt of $(wc -l < "$work/full/ZOLT/SPELL/Local.txt") words"
build/native/bin/check_throughput "$work/full" "$text"

# Words per second of a command that reads the text on its standard input (its load included).
rate() {
  local name=$1; shift
  if ! command -v "$1" >/dev/null; then
    echo "== $name: not installed"
    return
  fi
  local start end unknown
  start=$(date +%s.%N)
  unknown=$("$@" < "$text" | wc -l)
  end=$(date +%s.%N)
  echo "== $name"
  awk -v w="$words" -v s="$start" -v e="$end" -v u="$unknown" \
    'BEGIN { printf "%d words (%d reported unknown) in %.3f s: %.0f words per second\n", w, u, e - s, w / (e - s) }'
}
rate "hunspell -l -d en_US" hunspell -l -d en_US
rate "aspell list --lang=en" aspell list --lang=en
