// Printing the active document through the Print dialog, with the printing box to cancel.
#pragma once
#include <windows.h>

// 1 when printed or nothing was to be printed; 0 when printing failed or was cancelled.
int PrintDocument(HINSTANCE instance, HWND frame, HWND document, const char* name);
