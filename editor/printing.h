// Printing a document through the Print dialog, with the printing box that shows the page being
// sent and lets the user cancel.
#pragma once
#include <windows.h>

extern int userAbort;          // set when the user cancels in the printing box
extern HWND hPrintDialog;      // the printing box while pages are sent, else null

// File > Print for the active document (nothing without one); says so when printing failed or
// was cancelled.
void PrintActiveDocument(HWND frame);
// The same for a given document window.
void PrintDocumentWindow(HWND frame, HWND document);

// True when printed or nothing was to be printed; false when printing failed or was cancelled.
bool PrintDocument(HINSTANCE instance, HWND frame, HWND document);

INT_PTR CALLBACK PrintAbortDialogProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
// Installed on the printer's device context, and called after each page: keeps the program
// responsive while spooling; false once the user cancelled.
BOOL CALLBACK PrintAbortProc(HDC printer, int error);
