// The document's characters as the spell check reads them, and a word's way between the engine's
// Windows-1252 bytes and the wide text of the document and the dialogs.
#pragma once
#include <cstdint>

// What a letter outside Windows-1252 (Greek, Cyrillic, CJK, a surrogate half, ...) becomes in the scan
// text: a byte that the code page leaves unassigned. The word scanner takes it as part of a word and
// passes over every word that holds it.
const char ForeignLetter = static_cast<char>(0x81);

// Writes the scan text of length UTF-16 code units of text to out (length bytes, no terminator), one
// byte per code unit, so that a position in the scan text is a character index in the document. A
// character that Windows-1252 holds becomes its byte, except that U+2019 (the typographic apostrophe)
// becomes the apostrophe; the C1 control characters, punctuation and symbols outside Windows-1252
// become blanks; anything else is a ForeignLetter. A value above 0xFFFF (where wchar_t has 32 bits) is
// a ForeignLetter too.
void ScanTextFromUtf16(const wchar_t* text, int32_t length, char* out);

// The word (Windows-1252, terminated) as wide text in out, terminated, with room for outSize
// characters (a longer word is cut). A byte the code page leaves unassigned gives U+FFFD.
void WideFromWordText(const char* word, wchar_t* out, int outSize);

// The wide text (terminated) as a Windows-1252 word in out, terminated, with room for outSize bytes;
// U+2019 gives the apostrophe. False, with out empty, when a character has no Windows-1252 byte or the
// text does not fit.
bool WordTextFromWide(const wchar_t* text, char* out, int outSize);
