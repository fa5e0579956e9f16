// The editor's platform hooks: the common dialogs and the start of another program go through
// replaceable functions so that test programs can answer them and read what was asked. The program
// itself always uses the system's functions. Message boxes are the hook of both programs' lowest Win32
// layer, included here so that the editor has one place for all of them.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include "message_boxes.h"

// ---- Open and Save dialogs: GetOpenFileNameW and GetSaveFileNameW
typedef BOOL (*FileDialogFunction)(OPENFILENAMEW* dialog);
BOOL ShowOpenFileDialog(OPENFILENAMEW* dialog);
BOOL ShowSaveFileDialog(OPENFILENAMEW* dialog);
// Null functions restore the common dialogs.
void SetFileDialogsForTesting(FileDialogFunction open, FileDialogFunction save);

// ---- Font dialog: ChooseFontW
// Returns non-zero when the user chose; otherwise *failure is CommDlgExtendedError() (0 for Cancel).
typedef BOOL (*FontDialogFunction)(CHOOSEFONTW* record, DWORD* failure);
BOOL ShowFontDialog(CHOOSEFONTW* record, DWORD* failure);
// A null function restores the common dialog.
void SetFontDialogForTesting(FontDialogFunction function);

// ---- Print dialog: PrintDlgW
typedef BOOL (*PrintDialogFunction)(PRINTDLGW* record);
BOOL ShowPrintDialog(PRINTDLGW* record);
// A null function restores the common dialog.
void SetPrintDialogForTesting(PrintDialogFunction function);

// ---- Starting another program: ShellExecuteW
typedef HINSTANCE (*ProgramStartFunction)(HWND owner, const wchar_t* verb, const wchar_t* program,
                                          const wchar_t* parameters, const wchar_t* folder, int showCommand);
HINSTANCE StartProgram(HWND owner, const wchar_t* verb, const wchar_t* program, const wchar_t* parameters,
                       const wchar_t* folder, int showCommand);
// A null function restores ShellExecuteW.
void SetProgramStartForTesting(ProgramStartFunction function);

// ---- Context menus: TrackPopupMenu with TPM_RETURNCMD at a screen point
// Gives the command chosen, 0 when the menu was closed without one.
typedef UINT (*PopupMenuFunction)(HMENU menu, int x, int y, HWND owner);
UINT ChooseFromPopupMenu(HMENU menu, int x, int y, HWND owner);
// A null function restores TrackPopupMenu.
void SetPopupMenuForTesting(PopupMenuFunction function);
