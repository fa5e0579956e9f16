#!/usr/bin/env bash
# Runs the printing test program, then checks the PDFs that the PDF printer wrote for its jobs:
# page count and, page by page, the first and last document line printed on it; or, for a job
# with lines wider than the page, that every character is on paper and every page but the last
# is full.
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

# Printed lines on page $2 of PDF $1.
page_line_count() {
  pdftotext -f "$2" -l "$2" "$1" - 2>/dev/null | tr -d '\f' | grep -c '[^[:space:]]'
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
    # "PDF-TEXT job lines-per-page text": the text is the document's without blanks and line ends.
    expected=$((expected + 1))
    read -r per_page text <<< "$pages"
    if ! pdf=$(wait_for_pdf "$job"); then fail "$job: no PDF in $out"; continue; fi
    [ "$(printed_text "$pdf")" = "$text" ] || fail "$job: the PDF does not hold every character of the document"
    count=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
    for page in $(seq "$count"); do
      lines=$(page_line_count "$pdf" "$page")
      if [ "$page" -lt "$count" ] && [ "$lines" != "$per_page" ]; then
        fail "$job: page $page holds $lines printed lines, expected $per_page"
      fi
    done
    echo "checked $pdf: $count pages, the text and the printed lines a page"
    rm -f "$pdf"
  elif [ "$kind" = PDF-NONE ]; then
    unprinted+=("$job")
  fi
done < <(tr -d '\r' < "$log" | grep -E '^PDF-(EXPECT|TEXT|NONE) ')

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
