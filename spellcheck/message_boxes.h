// Every message box of both programs goes through here, so that test programs can answer them and
// read their text and caption. The programs themselves always use MessageBoxW. The engine's debug
// listings use the same message box once a program installs it at start-up (the engine knows no
// windowing system). The texts are the callers' (texts.h); what is done with them is done here: a
// name or the system's reason for a failure put into a text, its length capped, and the box shown.
#pragma once
#include <windows.h>

typedef int (*MessageBoxFunction)(HWND owner, const wchar_t* text, const wchar_t* caption, UINT style);

int ShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT style);
// Text and caption in Windows-1252, the character set of the word lists and of the fixed texts.
int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style);

// The longest text of ShowNamedMessage: a longer one is cut.
const int LongestNamedMessage = 335;

// format with name in place of its one "%ls"; a missing or empty name stands as "(untitled)".
int ShowNamedMessage(HWND owner, const wchar_t* format, const wchar_t* name, const wchar_t* caption, UINT style);

// format takes name, then the system's reason for error (GetLastError() of what failed): the system's
// own description without line ends, or "System error N." where the system has none.
int ShowFailureWithReason(HWND owner, const wchar_t* format, const wchar_t* name, DWORD error,
                          const wchar_t* caption, UINT style);

// Every window a program creates is checked here: true when it exists; otherwise the failure is shown
// and false returned, and the caller goes on without that window.
bool WindowCreated(HWND window, HWND owner, const char* failure, const char* caption, UINT style);

// A null function restores MessageBoxW.
void SetMessageBoxForTesting(MessageBoxFunction function);

// Lets the engine's debug listings show their pages through ShowMessageBox.
void InstallListingMessageBox();
