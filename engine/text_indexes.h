// The local list, the ignore-all list and the misspelling lines indexed by their text, so that a check
// or a look-up need not compare the word with every entry. The lists keep their order, in which the
// suggestion scans read the local list.
#pragma once
#include <cstdint>

#include "word_field.h"

// Call after every load of the local list, and of the misspelling lines.
void IndexLocalWords();
void IndexMisspellings();
// Call after every entry appended to the ignore-all list, and after the tables were emptied.
void IndexIgnoredWords();

// Whether the local list holds the word, in its own case.
bool InLocalList(const WordField& word);
// Whether the ignore-all list holds the word, in any case.
bool IsIgnoredWord(const WordField& word);
// The first misspelling line (1-based) whose lower-case text equals lower, or 0 when none does.
int32_t FirstMisspellingLine(const WordField& lower);
