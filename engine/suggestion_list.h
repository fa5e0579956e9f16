// The suggestion list: the word prepared for a lookup, the best 288 candidates of the pool in order,
// and the slots as the dialogs read them. All state lives in SpellTables.
#pragma once
#include <cstdint>

#include "word_field.h"

// Shortens runs of three or more equal lower-case letters to two, and runs of apostrophes to one.
void PrepareSuggestionWord(const WordField& in, WordField& out);

// Fills the slots with the pool's best candidates, by descending score, ties in pool order.
void SelectSuggestions();

// Slot 1..288 as a terminated string of at most 31 characters in a 32-byte buffer; empty when none.
void GetSuggestion(int16_t index, char* out);
