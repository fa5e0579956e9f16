// Reading a text file whole into an edit control and writing an edit control's text whole to a file.
#pragma once
#include <windows.h>

// True when the file's content now stands in the edit control. Zero bytes are loaded as blanks, and a
// message owned by the edit control's window says so. Otherwise false, and openError is the system's
// reason when the file could not be opened (nothing was shown), or 0 when a message has said what failed.
// The file is read while other programs read or write it.
bool LoadTextFile(HWND edit, const char* fileName, DWORD& openError);

// True when the whole text is in the file and the edit control's modified flag is cleared. Otherwise
// false with the reason in GetLastError(); the file keeps its previous content and the flag its state.
bool SaveTextFile(HWND edit, const char* fileName);
