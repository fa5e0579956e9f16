// Message boxes go through one replaceable function so that test programs can answer them
// and read their text and caption. The program itself always uses MessageBoxA.
#pragma once
#include <windows.h>

typedef int (*MessageBoxFunction)(HWND owner, const char* text, const char* caption, UINT style);

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style);

// A null function restores MessageBoxA.
void SetMessageBoxForTesting(MessageBoxFunction function);
