// The last files opened or saved, newest first: numbered in the File menu above Exit, and remembered
// between runs.
#pragma once
#include <windows.h>

const int RecentFileCount = 4;

// Reads the list that the last run left and shows it in the frame's File menu: at the frame's creation.
void LoadRecentFiles(HWND frame);
// A file just opened or saved goes to the top of the list.
void AddRecentFile(const wchar_t* name);
// The name at index 0 to 3 (File > 1 to 4) into name; false when the list has none there.
bool RecentFileName(int index, wchar_t name[MAX_PATH]);
// After a failed open of a listed file: a file that is no longer there leaves the list. One that is there
// but could not be read now stays.
void ForgetRecentFileIfGone(const wchar_t* name);
