#include "change_all_one_by_one.h"

#include <cstring>

#include "document_words.h"

int32_t ChangeAllOneByOne(HWND window, int editId, const char* word, const char* replacement, int32_t mark)
{
    int32_t replacementLength = static_cast<int32_t>(std::strlen(replacement));
    int32_t wordLength = static_cast<int32_t>(std::strlen(word));
    DocumentWords words;
    WalkWordsFrom(window, editId, 0, words);
    int32_t position = 0, length = 0;
    WordField found;
    while (NextDocumentWord(window, editId, words, position, found, length)) {
        if (length != wordLength || std::memcmp(found.ch, word, static_cast<size_t>(length)) != 0)
            continue;
        int32_t index = DocumentIndexOf(window, editId, words, position);
        SelectDocumentText(window, editId, index, length);
        ReplaceSelection(window, editId, replacement);
        if (index < mark)
            mark += replacementLength - wordLength;
        // Go on behind the inserted text, so that a replacement holding the word is not replaced again.
        WalkWordsFrom(window, editId, index + replacementLength, words);
    }
    return mark;
}
