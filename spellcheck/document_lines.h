// The document's text as the spell-check run sees it: the lines of the edit control, which wraps
// long lines, so a replacement can move any word that follows it to another line.
#pragma once
#include <windows.h>
#include <cstdint>

// Characters of a line that the run reads; the rest of a longer line is not checked.
const int32_t LineCapacity = 1024;

// One line of the edit control as read.
struct DocumentLine {
    int32_t number;                  // 0-based line number
    int32_t firstChar;               // character index of the line's start, or UnknownLineStart
    int32_t length;                  // characters read into text
    char text[LineCapacity + 1];     // terminated
};

// firstChar before LineStart asked for it: the edit control counts it line by line from the top,
// which a walk over every line would pay for again and again.
const int32_t UnknownLineStart = -1;

// Reads the line that holds character index charIndex; gives charIndex's column in it (0-based).
int32_t ReadLineAt(HWND window, int editId, int32_t charIndex, DocumentLine& line);

// Reads the line in which the selection begins; gives the selection's start and end (character indexes).
void ReadSelectionLine(HWND window, int editId, DocumentLine& line, int32_t& selectionStart, int32_t& selectionEnd);

// Reads the line after line, as the text stands now; false when line is the document's last.
bool ReadNextLine(HWND window, int editId, DocumentLine& line);

// Character index of the line's start in the document.
int32_t LineStart(HWND window, int editId, DocumentLine& line);

// Selects length characters from character index charIndex and scrolls them into view.
void SelectDocumentText(HWND window, int editId, int32_t charIndex, int32_t length);

// Replaces the selection with text; the user can undo it.
void ReplaceSelection(HWND window, int editId, const char* text);
