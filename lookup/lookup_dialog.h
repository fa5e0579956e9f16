// The lookup tool's one dialog (dialog 101 of lexmar).
#pragma once
#include <windows.h>

// Runs the dialog, with startWord (possibly empty) already checked; gives DialogBoxParamW's result.
INT_PTR RunLookupTool(HINSTANCE instance, const wchar_t* startWord);

// The dialog procedure; its creation parameter is the LookupRecord it works on.
INT_PTR CALLBACK LookupDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
