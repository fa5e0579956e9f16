// The spell dialog (dialog 101 of Penmar): shows an unknown word of the document with the engine's
// suggestions and records the user's choice in SpellRunState for the spell-check run.
#pragma once
#include <windows.h>

INT_PTR CALLBACK SpellDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
