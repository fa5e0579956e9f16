// What the user is told when a file cannot be opened or saved: the file's name and the system's reason.
#pragma once
#include <windows.h>

// error is the system's error number (GetLastError()) of the failed open or save.
void ShowOpenFailure(HWND owner, const wchar_t* fileName, DWORD error);
void ShowSaveFailure(HWND owner, const wchar_t* fileName, DWORD error);
