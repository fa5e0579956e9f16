// Change All: replaces a word everywhere in the document.
#pragma once
#include <windows.h>
#include <cstdint>

// Replaces every whole word of the document that equals word exactly (case included) with
// replacement, from the first line to the last, in one change of the text that one Undo takes back.
// Each of the markCount character indexes in marks is moved to where the text that began there
// begins afterwards.
void ChangeAllInDocument(HWND window, int editId, const char* word, const char* replacement, int32_t* marks,
                         int markCount);
