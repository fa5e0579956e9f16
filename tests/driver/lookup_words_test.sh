#!/usr/bin/env bash
# The lookup-words driver's output format: one TAB-separated line per input line.
# Usage: lookup_words_test.sh PATH_TO_lookup_words
set -euo pipefail
driver=$1
dict=$(mktemp -d)
trap 'rm -rf "$dict"' EXIT
printf 'London\ncat\ncats\nthe\n' > "$dict/Spell.txt"
printf '$receive\nrecieve\n' > "$dict/Misspell.txt"
long=$(printf 'a%.0s' $(seq 32))

actual=$(printf 'the\r\n(teh)\nrecieve\ncatt\n\n%s\nlondon\nb?t\ncat*\ndebugon\nzzzz\n' "$long" | "$driver" --dict "$dict")
expected=$(printf '%s\n' \
  $'the\tOK\tthe' \
  $'(teh)\tIncorrect\tthe' \
  $'recieve\tIncorrect\treceive' \
  $'catt\tIncorrect\tcat|cats' \
  $'\tRefused\tPlese enter a word to check!' \
  "$long"$'\tRefused\tPlease enter a shorter word!' \
  $'london\tIncorrect\tLondon' \
  $'b?t\tIncorrect\t' \
  $'cat*\tIncorrect\tcats|cat' \
  $'debugon\tIncorrect\tcats|cat' \
  $'zzzz\tIncorrect\t')
if [ "$actual" != "$expected" ]; then
  diff <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") || true
  exit 1
fi

# A line of UTF-8 is checked as the dialogs check the Word box (U+2019 the apostrophe), against words
# kept in Windows-1252, and the entries come out in UTF-8; other bytes are taken as they are.
printf 'caf\xe9\ncaf\xe9s\nisn'"'"'t\n' > "$dict/Spell.txt"
actual=$(printf 'caf\xc3\xa9\ncafes\nisn\xe2\x80\x99t\ncaf\xe9\n' | "$driver" --dict "$dict")
expected=$(printf 'caf\xc3\xa9\tOK\tcaf\xc3\xa9\ncafes\tIncorrect\tcaf\xc3\xa9s|caf\xc3\xa9\nisn\xe2\x80\x99t\tOK\tisn'"'"'t\ncaf\xe9\tOK\tcaf\xc3\xa9')
if [ "$actual" != "$expected" ]; then
  diff <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") || true
  exit 1
fi

# A main list that cannot be loaded gives no verdict but the message that names it.
printf 'and\n1st\n' > "$dict/Spell.txt"
actual=$(printf 'hello\n' | "$driver" --dict "$dict")
if [ "$actual" != $'hello\tRefused\tCould not load the word list C:\\ZOLT\\SPELL\\Spell.txt' ]; then
  printf 'a broken Spell.txt gave: %s\n' "$actual"
  exit 1
fi

# A list that opens but cannot be read (a folder in its place) is named the same way.
printf 'apple\n' > "$dict/Spell.txt"
mkdir "$dict/Local.txt"
actual=$(printf 'apple\n' | "$driver" --dict "$dict")
if [ "$actual" != $'apple\tRefused\tCould not load the word list C:\\ZOLT\\SPELL\\Local.txt' ]; then
  printf 'an unreadable Local.txt gave: %s\n' "$actual"
  exit 1
fi
rmdir "$dict/Local.txt"

# A folder without Spell.txt is refused before anything is read.
if "$driver" --dict "$dict/missing" < /dev/null 2>/dev/null; then
  echo "a folder without Spell.txt was accepted"
  exit 1
fi
echo "lookup-words output as expected"
