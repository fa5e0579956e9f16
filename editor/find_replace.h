// Find, Find Next and Replace in the active document, through the modeless common dialogs.
#pragma once
#include <windows.h>

// Number of the registered "commdlg_FindReplace" message; each document window registers it on creation.
extern UINT findMessageId;

void FindCommand(HWND document);        // Edit > Find
void FindNextCommand(HWND document);    // Edit > Find Next, F3
void ReplaceCommand(HWND document);     // Edit > Replace
// A request from the Find or Replace dialog owned by this document window; lParam is its record.
LRESULT HandleFindRequest(HWND document, LPARAM record);
