#!/usr/bin/env bash
# Regenerates the default word lists in this folder from installed Debian packages:
#   Spell.txt     from wamerican (/usr/share/dict/american-english)
#   Misspell.txt  from codespell's dictionary, keeping corrections that Spell.txt knows
#   Prefix.txt    from the table of initial-letter rewrites below
#   Local.txt     empty
# Usage: data/make-lists.sh   (installs wamerican and codespell with apt-get when missing)
set -euo pipefail
cd "$(dirname "$0")"
export LC_ALL=C   # plain byte order: the order in which the word check compares words

words=/usr/share/dict/american-english
misspellings=/usr/lib/python3/dist-packages/codespell_lib/data/dictionary.txt

missing=()
[ -f "$words" ] || missing+=(wamerican)
[ -f "$misspellings" ] || missing+=(codespell)
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The main list: ASCII words that begin with a letter, at most 32 characters (the kept width), sorted
# and unique, within the list's 262,144 lines.
grep -E "^[A-Za-z][A-Za-z']{0,31}\$" "$words" | sort -u | head -n 262144 > Spell.txt

# Misspellings grouped under their corrections: "$correction", then one misspelling per line.
# Only single lower-case corrections that the main list holds; a misspelling that the main list holds
# in any case is no misspelling here and is dropped. The engine loads 32,000 lines, fewer than the
# source gives, so the groups of "-s" forms (receives) are left out where the plain form (receive)
# has a group: the suggestions find those forms easily.
awk -F'->' -v listed=Spell.txt '
  BEGIN { while ((getline w < listed) > 0) { known[w] = 1; knownLower[tolower(w)] = 1 } }
  NF == 2 && $2 !~ /,/ && $1 ~ /^[a-z][a-z\047]*$/ && $2 ~ /^[a-z][a-z\047]*$/ &&
  length($1) <= 32 && length($2) <= 31 && ($2 in known) && !(tolower($1) in knownLower) {
    print $2 "\t" $1
  }' "$misspellings" | sort -u |
awk -F'\t' '
  { pair[NR] = $0; correction[NR] = $1; grouped[$1] = 1 }
  END {
    for (i = 1; i <= NR; i++) {
      c = correction[i]
      if (c ~ /s$/ && (substr(c, 1, length(c) - 1) in grouped))
        continue
      if (c != group) { group = c; print "$" group }
      split(pair[i], parts, "\t")
      print parts[2]
    }
  }' > Misspell.txt
lines=$(wc -l < Misspell.txt)
if [ "$lines" -gt 32000 ]; then
  echo "Misspell.txt has $lines lines; the engine loads 32,000" >&2
  exit 1
fi

# Prefix rewrites for wrong initial letters, each in lower case and capitalised (at most 64 rows).
# A row "from to" turns a word beginning with "from" into one beginning with "to".
rewrites=(
  "ph f" "f ph" "kn n" "n kn" "gn n" "n gn" "pn n" "n pn" "n mn" "wr r" "r wr" "r rh"
  "ps s" "s ps" "sc s" "s sc" "c s" "s c" "c k" "k c" "k ch" "wh w" "w wh" "kw qu"
  "x ex" "z x" "j g" "g gh" "t pt" "o ho"
)
{
  echo "# Prefix rewrites tried for an unknown word: a word that begins with the from-text is also"
  echo "# looked up with the to-text in its place (fone -> phone, nife -> knife, sience -> science)."
  echo "# Lines beginning with '#' are comments. Fixed columns: from-text in columns 6 to 17,"
  echo "# to-text in columns 20 to 31; every other line, even a blank one, is a row (64 at most)."
  echo "#"
  echo "#    from          to"
  for pair in "${rewrites[@]}"; do
    read -r from to <<< "$pair"
    printf '     %-12s  %s\n' "$from" "$to"
  done
  for pair in "${rewrites[@]}"; do
    read -r from to <<< "$pair"
    printf '     %-12s  %s\n' "${from^}" "${to^}"
  done
} > Prefix.txt
rows=$(grep -vc '^#' Prefix.txt)
if [ "$rows" -gt 64 ]; then
  echo "Prefix.txt has $rows rows; the engine loads 64" >&2
  exit 1
fi

: > Local.txt

echo "Spell.txt: $(wc -l < Spell.txt) words; Misspell.txt: $lines lines; Prefix.txt: $rows rows"
