// Spelling suggestions as the dialogs ask for them: prepare the word, fill the suggestion list, then
// read it slot by slot. All state lives in SpellTables.
#pragma once
#include <cstdint>

#include "word_field.h"

// Shortens runs of three or more equal lower-case letters to two, and runs of apostrophes to one.
void PrepareSuggestionWord(const WordField& in, WordField& out);

// Fills the suggestion list for the word; "debugon" and "debugoff" switch the debug listings instead.
void SuggestWords(const WordField& word);

// Slot 1..288 as a terminated string of at most 31 characters in a 32-byte buffer; empty when none.
void GetSuggestion(int16_t index, char* out);
