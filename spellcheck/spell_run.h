// Tools > Spelling: checks the document from the caret on, opening the spell dialog at each unknown word.
#pragma once
#include <windows.h>

void SpellCheckRun(HWND window, int editId);
