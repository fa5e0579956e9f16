// The words of the document in order, as NextWord finds them line by line. The walk goes by
// character index, so it reaches the end of the document however a replacement rewraps the text.
#pragma once
#include <windows.h>
#include <cstdint>

#include "document_lines.h"
#include "word_field.h"

struct DocumentWords {
    DocumentLine line;      // the line being searched
    int32_t start;          // NextWord's start in line for the next word
    int32_t foundFrom;      // the start from which the last word was found
};

// Starts (or, after a change of the text, restarts) the walk at character index charIndex. As with
// NextWord's start, a word that the character before charIndex belongs to is passed over.
void WalkWordsFrom(HWND window, int editId, int32_t charIndex, DocumentWords& words);

// Starts the walk at the start of the edit control's selection; gives that character index.
int32_t WalkWordsFromSelection(HWND window, int editId, DocumentWords& words);

// Finds the next word: its 1-based position in words.line, the word and its length (1 to 32).
// False at the end of the document.
bool NextDocumentWord(HWND window, int editId, DocumentWords& words, int32_t& position, WordField& word,
                      int32_t& length);

// Character index in the document of a position in the walk's current line.
int32_t DocumentIndexOf(HWND window, int editId, DocumentWords& words, int32_t position);
