#!/usr/bin/env bash
# Makes PenmarSetup.exe from a release laid out by stage_release (scripts/release-files.sh).
# Usage: make-installer.sh SOURCE_DIR BUILD_DIR STAGED_ZOLT_DIR x86|amd64 OUT_FILE
set -euo pipefail
source_dir=$1 build=$2 zolt=$3 arch=$4 out_file=$5
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

# The installer's File and Delete lines for the shipped lists and their variants; the user's list is
# handled on its own.
lists="$work/word-lists.nsh"
is_variant_list() { [[ " ${variant_word_lists[*]} " == *" $1 "* ]]; }
{
  echo '; Into $INSTDIR\SPELL: the lists in use, those of the variant $ListVariant, and every variant'"'"'s lists'
  echo '; in a folder of its own, to switch by hand.'
  echo '!macro InstallShippedLists'
  for name in "${word_lists[@]}"; do
    [ "$name" = "$user_word_list" ] || is_variant_list "$name" || echo "  File \"\${ZOLT_DIR}\\SPELL\\$name\""
  done
  for variant in "${list_variants[@]}"; do
    echo "  \${If} \$ListVariant == \"$variant\""
    for name in "${variant_word_lists[@]}"; do echo "    File \"\${ZOLT_DIR}\\SPELL\\$variant\\$name\""; done
    echo "  \${EndIf}"
  done
  for variant in "${list_variants[@]}"; do
    echo "  SetOutPath \"\$INSTDIR\\SPELL\\$variant\""
    for name in "${variant_word_lists[@]}"; do echo "  File \"\${ZOLT_DIR}\\SPELL\\$variant\\$name\""; done
  done
  echo '!macroend'
  echo '!macro RemoveShippedLists'
  for name in "${word_lists[@]}"; do [ "$name" = "$user_word_list" ] || echo "  Delete \"\$INSTDIR\\SPELL\\$name\""; done
  for variant in "${list_variants[@]}"; do
    for name in "${variant_word_lists[@]}"; do echo "  Delete \"\$INSTDIR\\SPELL\\$variant\\$name\""; done
    echo "  RMDir \"\$INSTDIR\\SPELL\\$variant\""
  done
  echo '!macroend'
  echo "!define USER_WORD_LIST \"$user_word_list\""
  echo "!define DEFAULT_LIST_VARIANT \"${list_variants[0]}\""
} > "$lists"

makensis -V2 -NOCD \
  -DARCH="$arch" -DZOLT_DIR="$zolt" -DVERSION_HEADER="$build/generated/penmar_version.h" \
  -DWORD_LISTS="$lists" -DRESOURCE_DIR="$source_dir/resources" -DLICENCE_PAGE="$licence" \
  -DOUT_FILE="$out_file" "$source_dir/scripts/penmar-setup.nsi"
