#!/usr/bin/env bash
# Runs the printing test program, then checks the PDFs that the PDF printer wrote for its jobs:
# page count and, page by page, the first and last document line printed on it; for a job with
# lines wider than the page, that every character is on paper; for the letter, where its words
# stand (margins, the type's size, the tab, header and footer); for the page setup's job, its margin
# and that header and footer are off.
# Usage: check_printed_pdfs.sh PROGRAM RUNNER...   (RUNNER: the Wine runner and its arguments)
set -u
program=$1; shift

fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
failures=0

if ! lpstat -d 2>/dev/null | grep -q "system default destination"; then
  echo "No default printer: start cupsd and add the PDF printer as the default (./test.sh does)."
  exit 1
fi
# The PDF printer writes each job's PDF into the Out folder of its settings, where ${HOME} stands for
# the home folder that the user database gives the user who printed the job, whatever $HOME says here;
# a user it does not know gets the anonymous folder.
pdf_settings=/etc/cups/cups-pdf.conf
pdf_setting() { sed -n "s/^$1[[:space:]]\+//p" "$pdf_settings" 2>/dev/null | tail -1; }
home=$(getent passwd "$(id -un)" | cut -d: -f6)
if [ -n "$home" ]; then
  out=$(pdf_setting Out)
  out=${out:-\$\{HOME\}/PDF}
  out=${out//\$\{HOME\}/$home}
else
  out=$(pdf_setting AnonDirName)
  out=${out:-/var/spool/cups-pdf/ANONYMOUS}
fi

log=$(mktemp)
trap 'rm -f "$log"' EXIT
"$@" "$program" 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
[ "$status" -eq 0 ] || fail "the printing test program ended with $status"

# The PDF of a job carries the job's name in its file name.
pdf_of() { ls -t "$out"/*"$1"* 2>/dev/null | head -1; }

wait_for_pdf() {
  for _ in $(seq 120); do
    local pdf; pdf=$(pdf_of "$1")
    # cups-pdf writes the file, then closes it: wait until pdfinfo can read it.
    if [ -n "$pdf" ] && pdfinfo "$pdf" >/dev/null 2>&1; then echo "$pdf"; return 0; fi
    sleep 0.5
  done
  return 1
}

# First and last line number on page $2 of PDF $1, as "first-last", or "empty".
page_lines() {
  local numbers
  numbers=$(pdftotext -f "$2" -l "$2" "$1" - 2>/dev/null | grep -o 'line [0-9]\{3\}' | awk '{print $2 + 0}')
  if [ -z "$numbers" ]; then echo empty; return; fi
  echo "$(echo "$numbers" | head -1)-$(echo "$numbers" | tail -1)"
}

# The PDF's text without blanks and line ends; some printer fonts map '-' to the soft-hyphen
# glyph, which pdftotext gives back as U+00AD.
printed_text() {
  pdftotext "$@" - 2>/dev/null | sed 's/\xC2\xAD/-/g' | tr -d ' \t\r\n\f'
}

# The words of PDF $1, one a line: "page pagewidth xMin yMin xMax yMax word", in points from the
# sheet's top-left corner.
pdf_words() {
  pdftotext -bbox "$1" - 2>/dev/null | sed 's/\xC2\xAD/-/g' | awk '
    function value(name,   at) {
      if (!match($0, name "=\"[^\"]*\"")) return 0
      return substr($0, RSTART + length(name) + 2, RLENGTH - length(name) - 3) + 0
    }
    /<page / { page++; width = value("width") }
    /<word / { word = $0; sub(/^[^>]*>/, "", word); sub(/<\/word>.*$/, "", word)
               print page, width, value("xMin"), value("yMin"), value("xMax"), value("yMax"), word }'
}

# The words of page $2 in $1 (pdf_words' lines), joined with blanks.
page_words() {
  awk -v page="$2" '$1 == page { printf "%s%s", (n++ ? " " : ""), $7 } END { print "" }' <<< "$1"
}

# "PDF-LETTER job tab": the letter of the printing test, read back with the words' places. Tab: the
# tab stop in points.
check_letter() {
  local job=$1 tab=$2 pdf=$3 words pages
  words=$(pdf_words "$pdf")
  pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
  # Inside the margins: no word nearer than 0.75 in (54 pt) to the left, top or right edge.
  awk '$3 < 54 || $4 < 54 || $5 > $2 - 54 { print "  outside the margins: " $0; bad = 1 } END { exit bad }' \
    <<< "$words" || fail "$job: text nearer than 0.75 in to the sheet's edge"
  # The 60 digits on one printed line, in 12-point type (the word's box is the font's height).
  local digits=012345678901234567890123456789012345678901234567890123456789
  awk -v digits="$digits" '$7 == digits { height = $6 - $4; found = height >= 11 && height <= 15
                                         if (!found) print "  the digits are " height " pt high" }
                           END { exit !found }' <<< "$words" ||
    fail "$job: the 60 digits are not one printed line of 12-point type"
  # The long sentence wraps before a word: its last word is on a printed line below its first.
  awk '$7 == "This" { top = $4 } $7 == "so." { exit !($4 > top) }' <<< "$words" ||
    fail "$job: the long sentence did not wrap to a second line"
  # No box nor any other character for the tab: "Penmar" starts one tab stop from where "Name:" does.
  if grep -q $'\t\|\xe2\x96\xa1\|\xef\xbf\xbd' <<< "$words"; then fail "$job: a tab was printed as a character"; fi
  awk -v tab="$tab" '$7 == "Name:" { name = $3 } $7 == "Penmar" { penmar = $3 }
                     END { gap = penmar - name - tab; exit !(name > 0 && gap > -1 && gap < 1) }' <<< "$words" ||
    fail "$job: the text after the tab is not at the tab stop ($tab pt)"
  # The document's Unicode text prints as it is: accented letters, an em dash, Greek.
  [[ "$(page_words "$words" 1)" == *"Penmar Café au lait, naïve — λόγος Yours"* ]] ||
    fail "$job: the letters beyond ASCII did not print as such"
  # The header names the file above the text; the footer says "Page 1 of N" below it.
  local first; first=$(page_words "$words" 1)
  [[ "$first" == "$job Dear reader,"* ]] || fail "$job: page 1 does not begin with its header: $first"
  [[ "$first" == *"the printer Page 1 of $pages" ]] || fail "$job: page 1 does not end with Page 1 of $pages: $first"
  echo "checked $pdf: margins, 12-point digits on one line, the wrapped sentence, the tab, header and footer"
}

# "PDF-SETUP job left": the page setup's margins and switches: no word nearer than `left` points to
# the left edge, neither header nor footer.
check_setup() {
  local job=$1 left=$2 pdf=$3 words
  words=$(pdf_words "$pdf")
  awk -v left="$left" '$3 < left - 1 { print "  left of the margin: " $0; bad = 1 } END { exit bad }' <<< "$words" ||
    fail "$job: text left of the page setup's margin"
  local first; first=$(page_words "$words" 1)
  if [[ "$first" != "$job line 000 "* ]] || [[ "$first" == *" of 1" ]]; then
    fail "$job: a header or footer was printed although switched off: $first"
  fi
  echo "checked $pdf: the page setup's margin and no header or footer"
}

expected=0
unprinted=()
while read -r kind job pages; do
  if [ "$kind" = PDF-EXPECT ]; then
    expected=$((expected + 1))
    if ! pdf=$(wait_for_pdf "$job"); then fail "$job: no PDF in $out"; continue; fi
    IFS=, read -r -a want <<< "$pages"
    count=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
    [ "$count" = "${#want[@]}" ] || fail "$job: $count pages, expected ${#want[@]}"
    for i in "${!want[@]}"; do
      got=$(page_lines "$pdf" $((i + 1)))
      [ "$got" = "${want[$i]}" ] || fail "$job: page $((i + 1)) holds lines $got, expected ${want[$i]}"
    done
    if [ "$pages" != empty ] && ! printed_text "$pdf" | grep -q "${job}line000"; then
      fail "$job: the text of the document is not in $pdf"
    fi
    echo "checked $pdf: $count pages ($pages)"
    rm -f "$pdf"
  elif [ "$kind" = PDF-TEXT ]; then
    # "PDF-TEXT job page-count text": the text is the document's without blanks and line ends.
    expected=$((expected + 1))
    read -r want_pages text <<< "$pages"
    if ! pdf=$(wait_for_pdf "$job"); then fail "$job: no PDF in $out"; continue; fi
    [ "$(printed_text "$pdf")" = "$text" ] || fail "$job: the PDF does not hold every character of the document"
    count=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
    [ "$count" = "$want_pages" ] || fail "$job: $count pages, the layout has $want_pages"
    echo "checked $pdf: $count pages and the text"
    rm -f "$pdf"
  elif [ "$kind" = PDF-LETTER ] || [ "$kind" = PDF-SETUP ]; then
    expected=$((expected + 1))
    if ! pdf=$(wait_for_pdf "$job"); then fail "$job: no PDF in $out"; continue; fi
    if [ "$kind" = PDF-LETTER ]; then check_letter "$job" "$pages" "$pdf"; else check_setup "$job" "$pages" "$pdf"; fi
    rm -f "$pdf"
  elif [ "$kind" = PDF-NONE ]; then
    unprinted+=("$job")
  fi
done < <(tr -d '\r' < "$log" | grep -E '^PDF-(EXPECT|TEXT|NONE|LETTER|SETUP) ')

# The spooler works through the jobs in order: with every later job's PDF there, a PDF of an
# unprinted job would be there too.
for job in "${unprinted[@]}"; do
  if pdf=$(pdf_of "$job") && [ -n "$pdf" ]; then
    fail "$job: printed although it should not be"
    rm -f "$pdf"
  else
    echo "checked: no PDF for $job"
  fi
done

[ "$expected" -gt 0 ] || fail "the program announced no printed job"
[ "$failures" -eq 0 ] || exit 1
echo "All printed PDFs as expected."
