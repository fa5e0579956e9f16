// A message box with caption "Penmar" whose text is a format with at most one "%s".
#pragma once
#include <windows.h>

// An empty string stands as "(untitled)"; the text is cut at 335 characters.
void ShowMessage(HWND owner, const char* format, const char* string);
