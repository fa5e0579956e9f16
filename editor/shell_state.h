// Process-wide state of the editor shell, used on the GUI thread only.
#pragma once
#include <windows.h>

extern HWND hMainWindow;
extern HWND hMDIClient;
extern HWND hFindDialog;
extern HFONT hEditorFont;
extern COLORREF fontColor;
extern HINSTANCE hAppInstance;
extern wchar_t pendingFileName[MAX_PATH];
extern int openFromCommandLine;

// The active document window, or null.
HWND ActiveDocument();

const int FrameMDIClientId = 101;
const int FrameToolbarId = 102;
const int FrameStatusBarId = 103;
const int DocumentEditId = 101;
const int FirstDocumentId = 50000;
