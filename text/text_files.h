// Reading a text file whole into a document's edit control and writing the control's text whole to a
// file, in the file's own encoding and line ends. Nothing here shows anything: failures come back as
// the system's error numbers.
#pragma once
#include <windows.h>

#include "document_text.h"

// What an open found that the user should be told, though the text stands in the edit control.
struct OpenedFileNotes {
    bool heldZeroCharacters;   // shown as blanks: a save writes blanks in their place
    bool ansiNotExact;         // bytes that the system's code page maps to no character of their own
};

// True when the file's text now stands in the edit control, and file says how the file keeps it (path:
// the full path). Otherwise false with the reason in GetLastError(), and the control and file unchanged.
// The file is read while other programs read or write it.
bool LoadTextFile(HWND edit, const wchar_t* fileName, DocumentFile& file, OpenedFileNotes& notes);

// The first character of the text that the ANSI code page cannot hold, or 0 when it holds them all;
// its code point in codePoint.
bool FindCharacterOutsideAnsi(const wchar_t* text, int length, int& index, unsigned& codePoint);

// True when the whole text is in the file, in file's encoding and line ends, and the edit control's
// modified flag is cleared. Otherwise false with the reason in GetLastError(); the file keeps its
// previous content and the flag its state. A character the ANSI code page cannot hold fails the save
// (ERROR_NO_UNICODE_TRANSLATION): nothing is replaced silently. A file that another program holds open
// fails with ERROR_SHARING_VIOLATION, whatever that program shares; a full disk (ERROR_DISK_FULL) can
// only be met writing the new copy, beside the file, which is then unchanged.
bool SaveTextFile(HWND edit, const wchar_t* fileName, const DocumentFile& file);
