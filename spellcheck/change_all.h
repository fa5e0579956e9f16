// Change All: replaces a word everywhere in the document.
#pragma once
#include <windows.h>
#include <cstdint>

// Replaces every whole word of the edit control's text that the word scanner reads as scannedWord
// (Windows-1252, case included; documentWord is the same word as the text holds it) with replacement, from the first line to the last, in one change of the
// text that one Undo takes back. Each of the markCount character indexes in marks is moved to where the
// text that began there begins afterwards.
void ChangeAllInDocument(HWND edit, const wchar_t* documentWord, const char* scannedWord, const wchar_t* replacement,
                         int32_t* marks, int markCount);
