// Tools > Spelling: checks the document from the caret on, opening the spell dialog at each unknown word.
#pragma once
#include <windows.h>

// Checks the text of edit control editId of window from the caret to the end and then, when the user
// agrees, from the beginning up to where the run began; window owns the dialog, whose template comes
// from window's module.
void SpellCheckRun(HWND window, int editId);
