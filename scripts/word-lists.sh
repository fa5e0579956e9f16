# Sourced by the scripts: the four word list files of data/, which the programs read from C:\ZOLT\SPELL\.
# Local.txt holds the user's own words: it ships empty and an existing one is never replaced.
word_lists=(Spell.txt Misspell.txt Prefix.txt Local.txt)
user_word_list=Local.txt

# The English variants of the lists: the folder of data/ that holds each one's lists (the first is the
# default), and the lists that differ between them.
list_variants=(American British)
declare -A list_variant_folder=([American]=. [British]=british)
variant_word_lists=(Spell.txt Misspell.txt)

# Usage: install_word_lists SOURCE_DIR SPELL_DIR. Copies every list; an existing user list stays.
install_word_lists() {
  local source=$1 spell=$2 name
  mkdir -p "$spell"
  for name in "${word_lists[@]}"; do
    if [ "$name" = "$user_word_list" ] && [ -f "$spell/$name" ]; then continue; fi
    cp "$source/$name" "$spell/"
  done
}
