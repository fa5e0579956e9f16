// File > Open into a new document window, and File > Save As.
#pragma once
#include <windows.h>

// Loads the command-line file (without the dialog) or the file chosen in the Open dialog.
void OpenDocumentFile(HWND document);
void SaveDocumentAs(HWND document);
