#!/usr/bin/env bash
# Makes PenmarSetup.exe from a folder of built programs.
# Usage: make-installer.sh SOURCE_DIR BIN_DIR x86|amd64 OUT_FILE
set -euo pipefail
source_dir=$1 bin_dir=$2 arch=$3 out_file=$4
work=$(dirname "$out_file")
mkdir -p "$work"
# One licence page: the notes on the word lists followed by each source's licence text.
licence="$work/licence-page.txt"
: > "$licence"
for f in "$source_dir"/data/licenses/*; do
  [ -f "$f" ] || continue
  printf '==== %s ====\r\n\r\n' "$(basename "$f")" >> "$licence"
  sed 's/$/\r/' "$f" >> "$licence"
  printf '\r\n' >> "$licence"
done
[ -s "$licence" ] || printf 'Penmar 2.3\r\n' > "$licence"
makensis -V2 -NOCD \
  -DARCH="$arch" -DBIN_DIR="$bin_dir" -DDATA_DIR="$source_dir/data" \
  -DRESOURCE_DIR="$source_dir/resources" -DLICENCE_PAGE="$licence" -DOUT_FILE="$out_file" \
  "$source_dir/cmake/penmar-setup.nsi"
