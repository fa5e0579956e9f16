#include "change_all.h"

#include <cwchar>

#include "document_text.h"
#include "document_words.h"
#include "word_scanner.h"

namespace {

// The words as the run finds them, in the scan text beside the document's text.
int FindScannedWord(const wchar_t*, int length, int from, const Replacing& replacing)
{
    return FindWord(replacing.scannedText, length, from, replacing.scannedWanted);
}

// The matches that begin before character index mark.
int32_t MatchesBefore(const wchar_t* text, int length, const Replacing& replacing, int wantedLength, int32_t mark)
{
    int32_t count = 0;
    for (int at = replacing.findMatch(text, length, 0, replacing); at >= 0 && at < mark;
         at = replacing.findMatch(text, length, at + wantedLength, replacing))
        count++;
    return count;
}

} // namespace

void ChangeAllInDocument(HWND edit, const wchar_t* documentWord, const char* scannedWord, const wchar_t* replacement,
                         int32_t* marks, int markCount)
{
    DocumentWords words;
    if (!WalkWordsFrom(edit, 0, words))
        return;
    int wantedLength = static_cast<int>(std::wcslen(documentWord));
    // A replacement that holds the word again is not searched.
    Replacing replacing = {FindScannedWord, documentWord, replacement, words.scanned.Get(), scannedWord};
    const wchar_t* text = words.text.Get();
    ReplacedSpan span = FindReplacedSpan(text, words.length, 0, replacing);
    if (span.count == 0)
        return;
    if (!PutReplacedSpan(edit, text, words.length, span, replacing, true))
        return;
    // Each mark moves by the replacements in the text before it, counted in the copy of the old text.
    int32_t shift = static_cast<int32_t>(std::wcslen(replacement)) - wantedLength;
    for (int i = 0; i < markCount; i++)
        marks[i] += MatchesBefore(text, words.length, replacing, wantedLength, marks[i]) * shift;
}
