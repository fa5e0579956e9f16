#!/usr/bin/env bash
# Makes PenmarSetup.exe from a configured and built Windows build folder (programs in BUILD_DIR/bin).
# Usage: make-installer.sh SOURCE_DIR BUILD_DIR x86|amd64 OUT_FILE
set -euo pipefail
source_dir=$1 build=$2 arch=$3 out_file=$4
source "$source_dir/scripts/word-lists.sh"
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
[ -s "$licence" ] || printf 'Penmar %s\r\n' "$(bash "$source_dir/scripts/version.sh" "$build")" > "$licence"

# The installer's File and Delete lines for the shipped lists; the user's list is handled on its own.
lists="$work/word-lists.nsh"
{
  echo '!macro InstallShippedLists'
  for name in "${word_lists[@]}"; do [ "$name" = "$user_word_list" ] || echo "  File \"\${DATA_DIR}\\$name\""; done
  echo '!macroend'
  echo '!macro RemoveShippedLists'
  for name in "${word_lists[@]}"; do [ "$name" = "$user_word_list" ] || echo "  Delete \"\$INSTDIR\\SPELL\\$name\""; done
  echo '!macroend'
  echo "!define USER_WORD_LIST \"$user_word_list\""
} > "$lists"

makensis -V2 -NOCD \
  -DARCH="$arch" -DBIN_DIR="$build/bin" -DDATA_DIR="$source_dir/data" \
  -DVERSION_HEADER="$build/generated/penmar_version.h" -DWORD_LISTS="$lists" \
  -DRESOURCE_DIR="$source_dir/resources" -DLICENCE_PAGE="$licence" -DOUT_FILE="$out_file" \
  "$source_dir/scripts/penmar-setup.nsi"
