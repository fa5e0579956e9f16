// The document's text as its edit control holds it, and how the text came from its file. Every command
// that reads or changes a document's text goes through here: the spell check, Change All, Find,
// Replace All, printing and the caret's place.
#pragma once
#include <windows.h>

#include <climits>

#include "replaced_span.h"
#include "text_encoding.h"

// How a document's file keeps its text, so that a save writes it back the same way.
struct DocumentFile {
    wchar_t path[MAX_PATH];   // the full path it was opened or saved as; empty for a new document
    TextEncoding encoding;
    LineEnds lineEnds;        // LF-only and CR-only files show as CR LF lines in the edit control
};

// A new document: no file yet, saved as UTF-8 without a byte order mark with CR LF line ends.
void StartNewDocumentFile(DocumentFile& file);

int DocumentTextLength(HWND edit);

// A terminated copy of the edit control's whole text (or of its beginning), released at scope end.
class DocumentTextCopy {
public:
    // At most the first `count` characters.
    explicit DocumentTextCopy(HWND edit, int count = INT_MAX);
    ~DocumentTextCopy();
    DocumentTextCopy(const DocumentTextCopy&) = delete;
    DocumentTextCopy& operator=(const DocumentTextCopy&) = delete;

    bool IsValid() const { return text_ != nullptr; }   // false when no memory could be had
    const wchar_t* Text() const { return text_; }
    wchar_t* Text() { return text_; }
    int Length() const { return length_; }

private:
    int length_;
    wchar_t* text_;
};

// The edit control's whole text, read where the control keeps it when it lets us (a multi-line control
// does), otherwise copied; good until the text changes. `send` carries the control's messages (a
// procedure in front of the control reads through the one behind it).
class DocumentTextView {
public:
    using SendFunction = LRESULT(CALLBACK*)(HWND, UINT, WPARAM, LPARAM);
    explicit DocumentTextView(HWND edit, SendFunction send = SendMessageW);
    ~DocumentTextView();
    DocumentTextView(const DocumentTextView&) = delete;
    DocumentTextView& operator=(const DocumentTextView&) = delete;

    bool IsValid() const { return text_ != nullptr; }   // false when no memory could be had
    const wchar_t* Text() const { return text_; }
    int Length() const { return length_; }

private:
    int length_;
    const wchar_t* text_;
    HLOCAL handle_;      // locked while text_ points into it
    wchar_t* copy_;
};

// The selection's start and end (start <= end).
void GetDocumentSelection(HWND edit, int& start, int& end);
// Selects from start to end and scrolls the caret into view.
void SelectDocumentSpan(HWND edit, int start, int end);
// Replaces the characters from start to end with text as one change. A document's history takes every
// change as a step; undoable lets a plain edit control, which has no such history, undo it itself.
void ReplaceDocumentSpan(HWND edit, int start, int end, const wchar_t* text, bool undoable);

// text (length characters) is the edit control's whole text, in which span was found. Replaces the
// span with its new text as one change of the text; the caret then stands behind the last
// replacement. False, with nothing changed, when no memory could be had.
bool PutReplacedSpan(HWND edit, const wchar_t* text, int length, const ReplacedSpan& span, const Replacing& replacing,
                     bool undoable);

// The line and column (from 1) of a character index, as the text's line breaks make lines.
void LineAndColumnOfIndex(HWND edit, int index, int& line, int& column);
