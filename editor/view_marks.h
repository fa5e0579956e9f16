// The unknown words that a document's edit control shows, row by row of its view, and the pixels
// their marks take: what the spelling marks draw and what the document's menu offers to correct.
// Only the rows asked for are read and checked, so a long document costs no more than a short one.
#pragma once
#include <windows.h>
#include <cstdint>

#include "word_field.h"

// Rows of the view that marks are kept for; a taller view is marked down to there.
const int MaxViewRows = 256;
// Marks of one look at the view; a screen holds far fewer unknown words, and any beyond go unmarked.
const int MaxViewMarks = 2048;

// Which line of the text the view's first row shows, how many rows show text, and where rows stand:
// row r's top is format.top + r * lineHeight, its letters begin at format.left.
struct ViewGeometry {
    int firstLine;
    int rows;          // rows showing a line of the text, at most MaxViewRows
    int shownRows;     // rows the formatting rectangle holds, text or not, at most MaxViewRows
    int lineHeight;
    int widestCharacter;   // of the control's font, in pixels
    RECT format;       // the edit control's formatting rectangle
};

struct ViewMark {
    int32_t row;
    int32_t start;     // character index of the word in the document
    int32_t length;
    int32_t left;      // client x under its first letter ...
    int32_t right;     // ... and just after its last
};

struct ViewMarks {
    int32_t count;
    ViewMark marks[MaxViewMarks];
};

// False when the control shows nothing to mark (no font height, say).
bool GetViewGeometry(HWND edit, ViewGeometry& view);

// The unknown words of rows firstRow to endRow - 1 of the view, in order; the word that character index
// spared touches (-1 for none) is passed over. False, with no marks, when the word lists cannot be
// loaded; after a load has failed here, none is tried again (a broken list would be read at every
// repaint) until TryWordListsAgain or another check loads them.
bool FindViewMarks(HWND edit, const ViewGeometry& view, int firstRow, int endRow, int32_t spared, ViewMarks& found);

// The next look at the view may load the word lists again.
void TryWordListsAgain();

// The row of the view at client y, or -1 outside the rows that show text.
int RowAt(const ViewGeometry& view, int y);
// The client rectangle of row r, the formatting rectangle's width.
RECT RowRect(const ViewGeometry& view, int row);

// A document word, as the document holds it and as the word lists hold it.
struct DocumentWord {
    int32_t start;                    // character index
    int32_t length;
    wchar_t text[WordWidth + 1];      // the document's characters, terminated
    char listForm[WordWidth + 1];     // Windows-1252 with the plain apostrophe, terminated
};

// The word (as NextWord finds it in its row) that character index touches, when the lists do not know
// it: the word a right click or the menu key with the caret in it offers to correct.
bool UnknownWordAt(HWND edit, int32_t index, DocumentWord& word);
