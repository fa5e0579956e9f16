// A message box with caption "Penmar" whose text is a format with at most one "%ls".
#pragma once
#include <windows.h>

// An empty string stands as "(untitled)"; the text is cut at 335 characters.
void ShowMessage(HWND owner, const wchar_t* format, const wchar_t* string);

// Every window the editor creates is checked here: true when it exists; otherwise the failure is shown
// and false returned, and the caller goes on without that window.
bool WindowCreated(HWND window, HWND owner, const char* failure, const char* caption, UINT style);
