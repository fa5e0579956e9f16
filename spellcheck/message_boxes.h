// Every message box of both programs goes through here, so that test programs can answer them and
// read their text and caption. The programs themselves always use MessageBoxW. The engine's debug
// listings use the same message box once a program installs it at start-up (the engine knows no
// windowing system).
#pragma once
#include <windows.h>

typedef int (*MessageBoxFunction)(HWND owner, const wchar_t* text, const wchar_t* caption, UINT style);

int ShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT style);
// Text and caption in Windows-1252, the character set of the word lists and of the fixed texts.
int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style);

// A null function restores MessageBoxW.
void SetMessageBoxForTesting(MessageBoxFunction function);

// Lets the engine's debug listings show their pages through ShowMessageBox.
void InstallListingMessageBox();
