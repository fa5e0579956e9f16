// Whether a word is spelled correctly, the ignore-all list and the table of common misspellings.
#pragma once
#include <cstdint>

#include "engine_status.h"
#include "word_field.h"

// 0: known. 1: unknown, or Spell.txt is too long or out of order. Other positive values: Spell.txt
// could not be opened (the system's error number) and the word was not looked up.
void CheckWord(const WordField& word, int16_t& status);

// 0: added. 1: the list already holds 4,096 words.
void AddIgnoredWord(const WordField& word, int16_t& status);

// Status 0: correction holds the correct spelling followed by a terminator.
// Status 1: not listed; correction holds an empty string. correction has room for 32 bytes.
void LookupMisspelling(const WordField& word, char* correction, int16_t& status);
