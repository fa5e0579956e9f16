// Creating, counting and closing document windows, and the questions about unsaved changes.
#pragma once
#include <windows.h>
#include <cstdint>

HWND CreateDocumentWindow(HWND mdiClient);
// Closes the active document window, unless it has changes and the user chooses to save them.
void CloseActiveDocument();
// Closes the active document window without a question: the caller knows it holds nothing to keep.
void DiscardDocument(HWND document);
// True when the user chose to save (Save As has run; the caller stops closing).
bool QuerySaveChanges(HWND document);
int32_t CountDocuments(HWND mdiClient);
// A new title (the file's name after an open or save), shown in the Window menu as well.
void SetDocumentTitle(HWND document, const char* title);
// File > Exit and the frame's close box: offers each changed document, then ends the message loop.
void QueryExit(HWND frame);
