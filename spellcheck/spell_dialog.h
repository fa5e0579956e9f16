// The spell dialog (dialog 101 of Penmar): shows an unknown word of the document with the engine's
// suggestions and records the user's choice for the spell-check run in the SpellRunRecord handed
// over as the dialog's creation parameter.
#pragma once
#include <windows.h>

INT_PTR CALLBACK SpellDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
