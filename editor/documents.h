// Creating, counting and closing document windows, and the questions about unsaved changes.
#pragma once
#include <windows.h>
#include <cstdint>

#include "document_text.h"

HWND CreateDocumentWindow(HWND mdiClient);
// Closes the active document window, unless it has changes and the user chooses to save them.
void CloseActiveDocument();
// Closes the active document window without a question: the caller knows it holds nothing to keep.
void DiscardDocument(HWND document);
// True when the user chose to save (Save As has run; the caller stops closing).
bool QuerySaveChanges(HWND document);
int32_t CountDocuments(HWND mdiClient);
// A new title (the file's name after an open or save), shown in the Window menu as well.
void SetDocumentTitle(HWND document, const wchar_t* title);
// How the document's file keeps its text; kept with the document window from its creation on.
DocumentFile& FileOfDocument(HWND document);
// The document window's record: made as the window is created, freed as it is destroyed.
bool AttachDocumentFile(HWND document);
void DetachDocumentFile(HWND document);
// File > Exit and the frame's close box: offers each changed document, then ends the message loop.
void QueryExit(HWND frame);
