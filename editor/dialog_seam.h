// The Font and Print common dialogs go through replaceable functions so that test programs can
// answer them. The program itself always uses ChooseFontA and PrintDlgA.
#pragma once
#include <windows.h>
#include <commdlg.h>

// Returns non-zero when the user chose; otherwise *failure is CommDlgExtendedError() (0 for Cancel).
typedef BOOL (*FontDialogFunction)(CHOOSEFONTA* record, DWORD* failure);
typedef BOOL (*PrintDialogFunction)(PRINTDLGA* record);

BOOL ShowFontDialog(CHOOSEFONTA* record, DWORD* failure);
BOOL ShowPrintDialog(PRINTDLGA* record);

// A null function restores the system dialog.
void SetFontDialogForTesting(FontDialogFunction function);
void SetPrintDialogForTesting(PrintDialogFunction function);
