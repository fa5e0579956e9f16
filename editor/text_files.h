// Reading a text file whole into an edit control and writing an edit control's text whole to a file.
#pragma once
#include <windows.h>

// 1 when the file's content now stands in the edit control; 0 otherwise.
int LoadTextFile(HWND edit, const char* fileName);

// 1 when the whole text is in the file and the edit control's modified flag is cleared; 0 otherwise,
// and then the file keeps its previous content and the flag stays as it was.
int SaveTextFile(HWND edit, const char* fileName);
