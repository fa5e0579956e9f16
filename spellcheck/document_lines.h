// The document's text as the spell-check run sees it: lines of the edit control, read by number.
#pragma once
#include <windows.h>
#include <cstdint>

// Characters of a line that the run reads; the rest of a longer line is not checked.
const int32_t LineCapacity = 1024;

// Reads line lineNumber (0-based) of edit control editId into line (room for LineCapacity + 1
// bytes), terminated. Gives the number of characters read.
int32_t ReadDocumentLine(HWND window, int editId, int32_t lineNumber, char* line);

// Selects characters position .. position + length - 1 (1-based) of the line and scrolls them into view.
void SelectLineText(HWND window, int editId, int32_t lineNumber, int32_t position, int32_t length);

// Replaces the selection with text; the user can undo it.
void ReplaceSelection(HWND window, int editId, const char* text);
