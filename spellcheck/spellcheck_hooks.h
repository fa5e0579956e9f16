// The spell check's platform hooks, shared with the lookup tool and the editor: message boxes go
// through one replaceable function so that test programs can answer them and read their text and
// caption. The programs themselves always use MessageBoxA. The engine's debug listings use the same
// message box once a program installs it at start-up (the engine knows no windowing system).
#pragma once
#include <windows.h>

typedef int (*MessageBoxFunction)(HWND owner, const char* text, const char* caption, UINT style);

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style);

// A null function restores MessageBoxA.
void SetMessageBoxForTesting(MessageBoxFunction function);

// Lets the engine's debug listings show their pages through ShowMessageBox.
void InstallListingMessageBox();
