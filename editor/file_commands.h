// File > Open into a new document window, File > Save and File > Save As.
#pragma once
#include <windows.h>

// Loads the named file into a document window just made for it and shows its name. A file that another
// document shows already is not opened twice: that document comes to the front instead, and the new
// window is closed. On failure the window is closed and a message names the file and says why; false.
bool LoadFileIntoNewDocument(HWND document, const wchar_t* name);
// Opens the named file in a new document window (a recent or a dropped file), as LoadFileIntoNewDocument.
bool OpenFileInNewDocument(const wchar_t* name);
// Loads the command-line file (without the dialog) or the file chosen in the Open dialog, which starts
// in the folder of previous (the document in front before this one was made), or the user's Documents
// folder when that has no file.
void OpenDocumentFile(HWND document, HWND previous);
// Saves to the document's file at once; a document without a file goes to Save As. True when saved.
bool SaveDocument(HWND document);
// Asks for a name and an encoding, then saves; true when saved.
bool SaveDocumentAs(HWND document);
