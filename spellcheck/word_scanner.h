// What counts as a word in a line of document text and in a typed word.
#pragma once
#include <cstdint>

#include "word_field.h"

// Finds the next word of a terminated line of length n, starting after position start (0: the line's
// beginning; a start inside a word passes over the rest of that word). position is 1-based, 0 when the
// line holds no further word; length is 0..32. A word is a run of letters of Windows-1252 (A-Z, a-z and
// the accented letters) and apostrophes that begins with a letter; a run that holds a ForeignLetter
// (scan_text.h) is passed over whole.
void NextWord(const char* line, const int32_t& n, const int32_t& start,
              int32_t& position, WordField& word, int32_t& length);

// Where the next word equal to `word` (case included) begins in a terminated text of length n, the
// words found as NextWord finds them from start `from` on; 0-based, -1 when there is none.
int FindWord(const char* text, int n, int from, const char* word);

// Keeps the first run of typed-word characters (letters of Windows-1252, ForeignLetter, '*', '?',
// apostrophe, hyphen) of a terminated string of at most 31 characters, in place.
void CleanTypedWord(char* text);

// Blank-padded field from a terminated string (at most 32 characters taken).
void ToWordField(const char* text, WordField& field);
