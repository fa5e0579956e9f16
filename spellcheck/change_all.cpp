#include "change_all.h"

#include <cstring>

#include "document_words.h"

namespace {

bool IsSameText(const WordField& found, int32_t length, const char* word)
{
    return static_cast<size_t>(length) == std::strlen(word) &&
           std::memcmp(found.ch, word, static_cast<size_t>(length)) == 0;
}

} // namespace

int32_t ChangeAllInDocument(HWND window, int editId, const char* word, const char* replacement, int32_t mark)
{
    int32_t replacementLength = static_cast<int32_t>(std::strlen(replacement));
    int32_t shift = replacementLength - static_cast<int32_t>(std::strlen(word));
    DocumentWords words;
    WalkWordsFrom(window, editId, 0, words);
    int32_t position = 0, length = 0;
    WordField found;
    while (NextDocumentWord(window, editId, words, position, found, length)) {
        if (!IsSameText(found, length, word))
            continue;
        int32_t index = DocumentIndexOf(window, editId, words, position);
        SelectDocumentText(window, editId, index, length);
        ReplaceSelection(window, editId, replacement);
        if (index < mark)
            mark += shift;
        // Go on behind the inserted text: a replacement that holds the word again must not be
        // replaced once more. The search passes over the rest of a word the replacement ends in.
        WalkWordsFrom(window, editId, index + replacementLength, words);
    }
    return mark;
}
