// Creating, counting and closing document windows, and the questions about unsaved changes.
#pragma once
#include <windows.h>
#include <cstdint>

#include "document_text.h"
#include "edit_history.h"
#include "recovery.h"

// What the editor keeps with each document window, from its creation to its destruction.
struct DocumentRecord {
    DocumentFile file;        // how the document's file keeps its text
    EditHistory history;      // for Undo and Redo
    RecoveryCopy recovery;    // its copy while it has unsaved changes
};

HWND CreateDocumentWindow(HWND mdiClient);
// Closes the active document window, unless it has changes and the user chooses to save them.
void CloseActiveDocument();
// Closes the active document window without a question: the caller knows it holds nothing to keep.
void DiscardDocument(HWND document);
// Asks whether to save the document's changes: Yes saves it (to its file, or through Save As for a new
// document), No leaves them. True when the document may close: saved, or No. False for Cancel or a
// save that failed or was cancelled.
bool MayCloseDocument(HWND document);
int32_t CountDocuments(HWND mdiClient);
// Every document window of the MDI client, for an action on each.
void ForEachDocument(void (*action)(HWND document));
// A new title (the file's name after an open or save), shown in the Window menu as well.
void SetDocumentTitle(HWND document, const wchar_t* title);
// How the document's file keeps its text; kept with the document window from its creation on.
DocumentFile& FileOfDocument(HWND document);
// The document window's record: made as the window is created, freed as it is destroyed.
bool AttachDocumentRecord(HWND document);
void DetachDocumentRecord(HWND document);
// Null for a window that is no document, or whose record could not be made.
DocumentRecord* RecordOfDocument(HWND document);
// File > Exit and the frame's close box: offers each changed document, then ends the message loop,
// unless the user cancels; a normal exit leaves no recovery copies.
void QueryExit(HWND frame);
// The end of the session (log off, shut down, restart): the recovery copies are brought up to date,
// then each changed document is offered as at exit. False when the user cancels, which refuses the end
// of the session. Documents not saved stay in the recovery folder.
bool QueryEndSession();
