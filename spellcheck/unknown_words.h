// The unknown words of one line of text, found and checked as the spell run finds and checks them:
// for underlining them where they stand, with no dialog.
#pragma once
#include <cstdint>

// Where a word stands in its line: 0-based start and length (1 to 32).
struct WordPlace {
    int32_t start;
    int32_t length;
};

// What FindUnknownWords gives when the word lists cannot be loaded: no word has a verdict then.
const int32_t NoVerdict = -1;

// Finds the unknown words of a line of scan text (length bytes, scan_text.h) with NextWord and CheckWord,
// passing over the word that position `spared` touches (0 to length; -1 for none): the word being
// typed. Gives the number of places filled (at most capacity; the line's later words are not looked
// at), or NoVerdict (the first check loads the lists when no check has yet).
int32_t FindUnknownWords(const char* line, int32_t length, int32_t spared, WordPlace* places, int32_t capacity);
