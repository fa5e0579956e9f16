// The words of the document in order, as NextWord finds them in the whole text read at once. The
// walk goes by character index, so it reaches the end of the document whatever a change of the text
// does before it.
#pragma once
#include <windows.h>
#include <cstdint>

#include "handle_holders.h"
#include "word_field.h"

struct DocumentWords {
    HWND edit;
    HeapText<wchar_t> text;    // the document's text as last read, terminated
    HeapText<char> scanned;    // the same as the word scanner reads it, one byte a character
    int32_t length;            // characters of both
    int32_t start;             // NextWord's start for the next word
    int32_t foundFrom;         // the start from which the last word was found
};

// Reads the edit control's whole text (again, after a change) and starts the walk at character index
// charIndex. As with NextWord's start, a word that the character before charIndex belongs to is passed
// over. False when no memory could be had for the text: the walk then finds no word.
bool WalkWordsFrom(HWND edit, int32_t charIndex, DocumentWords& words);

// Finds the next word: the character index where it begins, the word (Windows-1252) and its length (1
// to 32). False at the end of the document.
bool NextDocumentWord(DocumentWords& words, int32_t& index, WordField& word, int32_t& length);
