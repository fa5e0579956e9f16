// Undo and Redo of a document through the whole history of its text. The document's edit control
// hands the history every message before and after the system's procedure: the history then finds
// what changed, whoever changed it (typing, Cut, Paste, Replace All, the spell check, ...). The edit
// control's own single Undo is never asked.
#pragma once
#include <windows.h>

// What the edit control looked like before a message, for the history to compare after it.
struct EditMessageWatch {
    bool watched;   // the message may change the text or move the caret
    DWORD selectionStart;
    DWORD selectionEnd;
};

// Undo (WM_UNDO, EM_UNDO), EM_CANUNDO and EM_EMPTYUNDOBUFFER are the history's: true when the message
// was answered here, with its result.
bool AnswerHistoryMessage(HWND edit, UINT message, WPARAM wParam, LRESULT& result);
EditMessageWatch WatchBeforeMessage(HWND edit, UINT message, WPARAM wParam);
void RecordAfterMessage(HWND edit, UINT message, WPARAM wParam, const EditMessageWatch& watch);

// Edit > Undo and Edit > Redo: true when a step was taken back or made again.
bool UndoDocumentEdit(HWND edit);
bool RedoDocumentEdit(HWND edit);
