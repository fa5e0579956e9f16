// Fixed-width words and the text rules every engine operation follows.
// Fields are blank-padded on the right, carry no terminator, and positions are 1-based.
#pragma once
#include <cstdint>

const int WordWidth = 32;

struct WordField {
    char ch[WordWidth];
};

// Copies text (textLength bytes) into a field of the given width: cut when longer, blank-padded.
void CopyToField(char* field, int width, const char* text, int textLength);

// Byte-by-byte unsigned comparison of whole fields, so trailing blanks never matter and case does.
bool SameWord(const WordField& a, const WordField& b);
int CompareWords(const WordField& a, const WordField& b);

// Position of the last character that is not a blank (0x20); 0 for an all-blank text.
int16_t TrimmedLength(const char* text, int width);
int16_t TrimmedLength(const WordField& word);

// ChangeCase's modes; any other mode changes nothing. Both change the letters of Windows-1252 that have
// another case ('a'..'z' and 'A'..'Z', and the accented letters: é and É, š and Š, ÿ and Ÿ); every
// other byte stays.
const int UpperCaseMode = 1;
const int LowerCaseMode = 5;

void ChangeCase(int mode, char* text, int n);

// A hash of all 32 characters, for the engine's look-up tables.
uint32_t HashWord(const WordField& word);

// The whole field with 'A'..'Z' lowered.
WordField LowerCaseCopy(const WordField& word);

// 'A'..'Z' give 1..26, 'a'..'z' give 27..52; a result outside 1..52 means no slot.
int LetterSlot(unsigned char b);

void FillBlanks(WordField& word);

// Inline: the scans ask them for every entry.
inline bool IsUpperLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}

inline bool IsLowerLetter(char c)
{
    return c >= 'a' && c <= 'z';
}
