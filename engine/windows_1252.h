// Windows-1252, the code page of the engine's words: its bytes as Unicode characters and back, which of
// them are letters, and their case.
#pragma once
#include <cstdint>

// The Unicode character of a byte; 0 for the five bytes the code page leaves unassigned (0x81, 0x8D,
// 0x8F, 0x90, 0x9D).
uint32_t UnicodeOf1252(unsigned char b);

// The byte of a Unicode character, or -1 when the code page has none. Zero gives 0.
int Windows1252Of(uint32_t c);

// The byte a character has in a word: its own byte, except that the typographic apostrophe (U+2019)
// is the apostrophe; -1 when the code page has none.
int WordByteOf(uint32_t c);

// The letters: 'A'..'Z', 'a'..'z' and the accented letters (À..Ö, Ø..ö, ø..ÿ, Š š Œ œ Ž ž Ÿ).
// '×' and '÷' are not letters.
bool Is1252Letter(unsigned char b);

// The other case of a letter (one of the ASCII letters and the accented letters that have one), or
// the byte itself.
unsigned char UpperCaseOf1252(unsigned char b);
unsigned char LowerCaseOf1252(unsigned char b);
