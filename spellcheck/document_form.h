// A replacement word as the document writes it: the spell run's Change and the suggestions of the
// document's menu put the engine's word (Windows-1252, with the plain apostrophe) into wide text.
#pragma once
#include <cstdint>

// The typographic apostrophe, which the scan text reads as the plain one.
const wchar_t TypographicApostrophe = 0x2019;

// replacement (Windows-1252, terminated) as wide text in out (room for outSize characters), with the
// typographic apostrophe in place of the plain one where the replaced word (replacedLength characters
// of the document) has one.
void DocumentFormOf(const char* replacement, const wchar_t* replaced, int32_t replacedLength, wchar_t* out,
                    int outSize);
