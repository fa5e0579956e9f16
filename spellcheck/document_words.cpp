#include "document_words.h"

#include "document_text.h"
#include "scan_text.h"
#include "word_scanner.h"

bool WalkWordsFrom(HWND edit, int32_t charIndex, DocumentWords& words)
{
    words.edit = edit;
    words.length = 0;
    words.start = 0;
    words.foundFrom = 0;
    int32_t length = DocumentTextLength(edit);
    if (!words.text.Allocate(static_cast<SIZE_T>(length) + 1) || !words.scanned.Allocate(static_cast<SIZE_T>(length) + 1))
        return false;
    length = GetWindowTextW(edit, words.text.Get(), length + 1);
    words.text.Get()[length] = L'\0';
    ScanTextFromUtf16(words.text.Get(), length, words.scanned.Get());
    words.scanned.Get()[length] = '\0';
    words.length = length;
    words.start = charIndex < 0 ? 0 : (charIndex > length ? length : charIndex);
    words.foundFrom = words.start;
    return true;
}

bool NextDocumentWord(DocumentWords& words, int32_t& index, WordField& word, int32_t& length)
{
    if (!words.scanned.IsValid())
        return false;
    int32_t from = words.start;
    int32_t position = 0;
    NextWord(words.scanned.Get(), words.length, from, position, word, length);
    if (length == 0)
        return false;
    words.foundFrom = from;
    words.start = position + length;
    index = position - 1;
    return true;
}
