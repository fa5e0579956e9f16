#!/usr/bin/env bash
# Regenerates the default word lists in this folder (American English) or in british/ from Debian and
# npm packages:
#   Spell.txt     SCOWL's American or British English words up to one size (Debian package scowl), and
#                 the programs' own names
#   Misspell.txt  codespell's dictionary (Debian package codespell) merged with cspell's common
#                 misspellings (npm package @cspell/dict-en-common-misspellings, its English and American
#                 or British lists), by merge_misspellings.py,
#                 less those that the suggestions already get right (asked with bench/lookup-words)
#   Prefix.txt    the prefix rewrites chosen with bench/prefix_rows.py (see README.md)
#   Local.txt     empty
# Usage: data/make-lists.sh [--variant american|british] [--size N] [--prefix-rows "from to,from to,..."]
#                           [--sources codespell,cspell] [--out DIR]
# The options make the alternatives that bench/tune-lists compares; the defaults are the shipped choice.
# Installs scowl and codespell with apt-get when missing; fetches the npm package with npm pack.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export LC_ALL=C   # plain byte order: the order in which the word check compares words

variant=american
size=55
prefix_rows="ph f,Ph F,wr r,Wr R"
sources=codespell,cspell
out=
cspell_package=@cspell/dict-en-common-misspellings@2.2.6
while [ $# -gt 0 ]; do
  case $1 in
    --variant) variant=$2; shift 2 ;;
    --size) size=$2; shift 2 ;;
    --prefix-rows) prefix_rows=$2; shift 2 ;;
    --sources) sources=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    *) echo "usage: $0 [--variant american|british] [--size N] [--prefix-rows ROWS] [--sources LIST] [--out DIR]" >&2
       exit 2 ;;
  esac
done
case $variant in
  american) out=${out:-$here}; cspell_variant=us ;;
  british) out=${out:-$here/british}; cspell_variant=gb ;;
  *) echo "$0: the variant is american or british, not $variant" >&2; exit 2 ;;
esac
mkdir -p "$out"
# The programs' own names, which their own texts use.
own_words=(Penmar lexmar)

scowl=/usr/share/dict/scowl
codespell_dictionary=/usr/lib/python3/dist-packages/codespell_lib/data/dictionary.txt
missing=()
[ -d "$scowl" ] || missing+=(scowl)
[ -f "$codespell_dictionary" ] || missing+=(codespell)
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# SCOWL's files in UTF-8 (Debian ships them so; older releases were ISO-8859-1).
utf8_of() {
  if iconv -f UTF-8 -t UTF-8 "$1" >/dev/null 2>&1; then cat "$1"; else iconv -f ISO-8859-1 -t UTF-8 "$1"; fi
}

# The main list: SCOWL's parts for American or British English (words, capitalised words, proper names,
# contractions, abbreviations) of every size up to the chosen one, as Debian's wamerican and wbritish
# packages build them, and the programs' own names; in Windows-1252 (the engine's character set), the
# words of letters (the accented ones included) and apostrophes that begin with a letter from A to Z
# (the main list's letter slots take no other initial), at most 32 characters (the kept width), sorted
# in byte order and unique, within the list's 262,144 lines.
levels=()
for level in 10 20 35 40 50 55 60 70 80 95; do
  [ "$level" -le "$size" ] && levels+=("$level")
done
for level in "${levels[@]}"; do
  for part in words upper proper-names contractions abbreviations; do
    for spelling in english "$variant"; do
      file=$scowl/$spelling-$part.$level
      [ -f "$file" ] && utf8_of "$file" | sed "s/\$/\t$level/"
    done
  done
done > "$work/levels.tsv"
letters=$'A-Za-z\x8a\x8c\x8e\x9a\x9c\x9e\x9f\xc0-\xd6\xd8-\xf6\xf8-\xff'
{ printf '%s\n' "${own_words[@]}"; cut -f1 "$work/levels.tsv"; } | iconv -f UTF-8 -t WINDOWS-1252 |
  grep -E "^[A-Za-z][$letters']{0,31}\$" | sort -u | head -n 262144 > "$out/Spell.txt"

# Prefix rewrites for wrong initial letters (at most 64 rows). A row "from to" turns a word beginning
# with "from" into one beginning with "to"; its variant is scanned before the word itself.
{
  echo "# Prefix rewrites tried for an unknown word: a word that begins with the from-text is also"
  echo "# looked up with the to-text in its place (phantastic -> fantastic, wrythm -> rhythm)."
  echo "# Lines beginning with '#' are comments. Fixed columns: from-text in columns 6 to 17,"
  echo "# to-text in columns 20 to 31; every other line, even a blank one, is a row (64 at most)."
  echo "#"
  echo "#    from          to"
  IFS=, read -r -a rows <<< "$prefix_rows"
  for pair in "${rows[@]}"; do
    read -r from to <<< "$pair"
    printf '     %-12s  %s\n' "$from" "$to"
  done
} > "$out/Prefix.txt"
rows=$(grep -vc '^#' "$out/Prefix.txt" || true)
if [ "$rows" -gt 64 ]; then
  echo "Prefix.txt has $rows rows; the engine loads 64" >&2
  exit 1
fi

# Misspellings grouped under their corrections: "$correction", then one misspelling per line.
merge_sources=()
case ",$sources," in *,codespell,*) merge_sources+=("codespell:$codespell_dictionary") ;; esac
case ",$sources," in
  *,cspell,*)
    (cd "$work" && npm pack --silent "$cspell_package" > /dev/null && tar xzf ./*.tgz)
    merge_sources+=("cspell:$work/package/dict/dict-en.json" "cspell:$work/package/dict/dict-en-$cspell_variant.json")
    ;;
esac
python3 "$here/merge_misspellings.py" pairs "$out/Spell.txt" "$work/levels.tsv" "${merge_sources[@]}" \
  > "$work/pairs.tsv"
# A misspelling whose correction the suggestions already put first needs no line of the table: the
# engine is asked with the main list and the prefix rows alone, and those misspellings leave room
# for others.
mkdir -p "$work/plain"
cp "$out/Spell.txt" "$out/Prefix.txt" "$work/plain/"
cut -f1 "$work/pairs.tsv" | "$here/../bench/lookup-words" --dict "$work/plain" |
  paste - "$work/pairs.tsv" |
  awk -F'\t' '{ split($3, answer, "|"); if (answer[1] != $5) print $4 "\t" $5 }' > "$work/needed.tsv"
python3 "$here/merge_misspellings.py" table 32000 "$work/needed.tsv" > "$out/Misspell.txt"
lines=$(wc -l < "$out/Misspell.txt")

: > "$out/Local.txt"

echo "Spell.txt: $(wc -l < "$out/Spell.txt") words; Misspell.txt: $lines lines; Prefix.txt: $rows rows"
