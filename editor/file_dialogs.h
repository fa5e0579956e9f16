// The Open and Save common dialogs go through replaceable functions so that test programs can answer
// them. The program itself always uses GetOpenFileNameA and GetSaveFileNameA.
#pragma once
#include <windows.h>
#include <commdlg.h>

typedef BOOL (*FileDialogFunction)(OPENFILENAMEA* dialog);

BOOL ShowOpenFileDialog(OPENFILENAMEA* dialog);
BOOL ShowSaveFileDialog(OPENFILENAMEA* dialog);

// Null functions restore the common dialogs.
void SetFileDialogsForTesting(FileDialogFunction open, FileDialogFunction save);
