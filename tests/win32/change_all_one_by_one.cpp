#include "change_all_one_by_one.h"

#include <cstring>
#include <cwchar>

#include "document_text.h"
#include "document_words.h"

int32_t ChangeAllOneByOne(HWND edit, const char* word, const wchar_t* replacement, int32_t mark)
{
    int32_t replacementLength = static_cast<int32_t>(std::wcslen(replacement));
    int32_t wordLength = static_cast<int32_t>(std::strlen(word));
    DocumentWords words;
    WalkWordsFrom(edit, 0, words);
    int32_t index = 0, length = 0;
    WordField found;
    while (NextDocumentWord(words, index, found, length)) {
        if (length != wordLength || std::memcmp(found.ch, word, static_cast<size_t>(length)) != 0)
            continue;
        SelectDocumentSpan(edit, index, index + length);
        ReplaceDocumentSpan(edit, index, index + length, replacement, true);
        if (index < mark)
            mark += replacementLength - wordLength;
        // Go on behind the inserted text, so that a replacement holding the word is not replaced again.
        WalkWordsFrom(edit, index + replacementLength, words);
    }
    return mark;
}
