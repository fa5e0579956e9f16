// Change All: replaces a word everywhere in the document.
#pragma once
#include <windows.h>

// Replaces every whole word of the document that equals SpellRunState.typedText exactly (case
// included) with SpellRunState.replacement, from the first line to the last.
void ChangeAllInDocument(HWND window, int editId);
