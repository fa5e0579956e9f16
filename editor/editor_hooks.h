// The editor's platform hooks: the common dialogs and the start of another program go through
// replaceable functions so that test programs can answer them and read what was asked. The program
// itself always uses the system's functions. Message boxes are the spell check's hook, included here
// so that the editor has one place for all of them.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include "spellcheck_hooks.h"

// ---- Open and Save dialogs: GetOpenFileNameA and GetSaveFileNameA
typedef BOOL (*FileDialogFunction)(OPENFILENAMEA* dialog);
BOOL ShowOpenFileDialog(OPENFILENAMEA* dialog);
BOOL ShowSaveFileDialog(OPENFILENAMEA* dialog);
// Null functions restore the common dialogs.
void SetFileDialogsForTesting(FileDialogFunction open, FileDialogFunction save);

// ---- Font dialog: ChooseFontA
// Returns non-zero when the user chose; otherwise *failure is CommDlgExtendedError() (0 for Cancel).
typedef BOOL (*FontDialogFunction)(CHOOSEFONTA* record, DWORD* failure);
BOOL ShowFontDialog(CHOOSEFONTA* record, DWORD* failure);
// A null function restores the common dialog.
void SetFontDialogForTesting(FontDialogFunction function);

// ---- Print dialog: PrintDlgA
typedef BOOL (*PrintDialogFunction)(PRINTDLGA* record);
BOOL ShowPrintDialog(PRINTDLGA* record);
// A null function restores the common dialog.
void SetPrintDialogForTesting(PrintDialogFunction function);

// ---- Starting another program: ShellExecuteA
typedef HINSTANCE (*ProgramStartFunction)(HWND owner, const char* verb, const char* program,
                                          const char* parameters, const char* folder, int showCommand);
HINSTANCE StartProgram(HWND owner, const char* verb, const char* program, const char* parameters,
                       const char* folder, int showCommand);
// A null function restores ShellExecuteA.
void SetProgramStartForTesting(ProgramStartFunction function);
