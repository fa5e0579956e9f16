// Printing the active document through the Print dialog, with the printing box to cancel.
#pragma once
#include <windows.h>

extern int userAbort;          // set when the user cancels in the printing box
extern HWND hPrintDialog;      // the printing box while pages are sent, else null

// True when printed or nothing was to be printed; false when printing failed or was cancelled.
bool PrintDocument(HINSTANCE instance, HWND frame, HWND document, const wchar_t* name);

INT_PTR CALLBACK PrintAbortDialogProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
// Installed on the printer's device context: keeps the program responsive while spooling.
BOOL CALLBACK PrintAbortProc(HDC printer, int error);
