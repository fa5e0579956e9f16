// The spell check's platform hook, shared with the lookup tool and the editor: message boxes go
// through one replaceable function so that test programs can answer them and read their text and
// caption. The programs themselves always use MessageBoxA.
#pragma once
#include <windows.h>

typedef int (*MessageBoxFunction)(HWND owner, const char* text, const char* caption, UINT style);

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style);

// A null function restores MessageBoxA.
void SetMessageBoxForTesting(MessageBoxFunction function);
