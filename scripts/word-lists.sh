# Sourced by the scripts: the four word list files of data/, which the programs read from C:\ZOLT\SPELL\.
# Local.txt holds the user's own words: it ships empty and an existing one is never replaced.
word_lists=(Spell.txt Misspell.txt Prefix.txt Local.txt)
user_word_list=Local.txt

# Usage: install_word_lists SOURCE_DIR SPELL_DIR. Copies every list; an existing user list stays.
install_word_lists() {
  local source=$1 spell=$2 name
  mkdir -p "$spell"
  for name in "${word_lists[@]}"; do
    if [ "$name" = "$user_word_list" ] && [ -f "$spell/$name" ]; then continue; fi
    cp "$source/$name" "$spell/"
  done
}
