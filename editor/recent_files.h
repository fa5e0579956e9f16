// The last files opened or saved, newest first: numbered in the File menu above Exit, and remembered
// between runs.
#pragma once
#include <windows.h>

const int RecentFileCount = 4;

// Reads the list that the last run left and shows it in the frame's File menu: at the frame's creation.
void LoadRecentFiles(HWND frame);
// A file just opened or saved goes to the top of the list.
void AddRecentFile(const char* name);
// File > 1 to 4 (index 0 to 3): opens the file in a new document window. A file that is no longer there
// leaves the list, after the message that it could not be opened.
void OpenRecentFile(int index);
