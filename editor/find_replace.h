// Find, Find Next and Replace in the active document, through the modeless common dialogs.
// The search runs forward from a stored position to the end of the text: exact characters, any
// substring, no wrap-around.
#pragma once
#include <windows.h>
#include <commdlg.h>

// Number of the registered "commdlg_FindReplace" message, which the dialogs send to the frame; the
// frame registers it on creation.
extern UINT findMessageId;

// Shared by both dialogs and kept for as long as the editor runs.
extern wchar_t findWhat[256];
extern wchar_t replaceWith[256];
extern int searchPos;      // where the next search starts
extern int lastFoundPos;   // start of the last match found

void FindCommand(HWND document);        // Edit > Find
void FindNextCommand(HWND document);    // Edit > Find Next, F3
void ReplaceCommand(HWND document);     // Edit > Replace
// A request from the Find or Replace dialog for the active document (null when none is left); lParam
// is the dialog's record.
LRESULT HandleFindRequest(HWND document, LPARAM record);

// Owned by the frame.
HWND ShowFindDialog();
HWND ShowReplaceDialog();

// Each returns true when it found (and selected, or replaced) a match.
bool FindInEdit(HWND edit, int& position, const FINDREPLACEW& record);
bool FindNextInEdit(HWND edit, int& position);
bool ReplaceInEdit(HWND edit, int& position, const FINDREPLACEW& record);
// Every match from the position (stepped back as ReplaceInEdit does) to the end, replaced in one
// change of the text; the last replacement is selected and the position stands after it.
bool ReplaceAllInEdit(HWND edit, int& position, const FINDREPLACEW& record);
bool HasFindText();
