// The document's edit control: the system's edit control with Penmar's own window procedure in front
// of it, which sees every message the control gets (the caret's moves, for the status bar; the
// changes of the text, for the history, which also answers Undo).
#pragma once
#include <windows.h>

// Creates the edit control of a document window (id DocumentEditId) and puts the procedure in front;
// null when it could not be created.
HWND CreateDocumentEdit(HWND document);

LRESULT CALLBACK DocumentEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
// The system's procedure behind DocumentEditProc, for messages it does not take itself.
LRESULT CALLBACK CallSystemEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
