#include "document_words.h"

#include "word_scanner.h"

void WalkWordsFrom(HWND window, int editId, int32_t charIndex, DocumentWords& words)
{
    words.start = ReadLineAt(window, editId, charIndex, words.line);
    words.foundFrom = words.start;
}

int32_t WalkWordsFromSelection(HWND window, int editId, DocumentWords& words)
{
    int32_t selectionStart = 0, selectionEnd = 0;
    ReadSelectionLine(window, editId, words.line, selectionStart, selectionEnd);
    words.start = selectionStart - LineStart(window, editId, words.line);
    words.foundFrom = words.start;
    return selectionStart;
}

bool NextDocumentWord(HWND window, int editId, DocumentWords& words, int32_t& position, WordField& word,
                      int32_t& length)
{
    for (;;) {
        int32_t from = words.start;
        NextWord(words.line.text, words.line.length, from, position, word, length);
        if (length > 0) {
            words.foundFrom = from;
            words.start = position + length;
            return true;
        }
        if (!ReadNextLine(window, editId, words.line))
            return false;
        words.start = 0;
    }
}

int32_t DocumentIndexOf(HWND window, int editId, DocumentWords& words, int32_t position)
{
    return LineStart(window, editId, words.line) + position - 1;
}
