#include "change_all.h"

#include <cstring>

#include "edit_text_copy.h"
#include "span_replacement.h"
#include "word_scanner.h"

namespace {

// The matches that begin before character index mark.
int32_t MatchesBefore(const char* text, int length, const Replacing& replacing, int32_t mark)
{
    int wantedLength = static_cast<int>(std::strlen(replacing.wanted));
    int32_t count = 0;
    for (int at = replacing.findMatch(text, length, 0, replacing.wanted); at >= 0 && at < mark;
         at = replacing.findMatch(text, length, at + wantedLength, replacing.wanted))
        count++;
    return count;
}

} // namespace

void ChangeAllInDocument(HWND window, int editId, const char* word, const char* replacement, int32_t* marks,
                         int markCount)
{
    HWND edit = GetDlgItem(window, editId);
    EditTextCopy text(edit);
    if (!text.IsValid())
        return;
    // The words as the run finds them; a replacement that holds the word again is not searched.
    Replacing replacing = {FindWord, word, replacement};
    ReplacedSpan span = FindReplacedSpan(text.Text(), text.Length(), 0, replacing);
    if (span.count == 0)
        return;
    if (!PutReplacedSpan(edit, text.Text(), text.Length(), span, replacing, true))
        return;
    // Each mark moves by the replacements in the text before it, counted in the copy of the old text.
    int32_t shift = static_cast<int32_t>(std::strlen(replacement)) - static_cast<int32_t>(std::strlen(word));
    for (int i = 0; i < markCount; i++)
        marks[i] += MatchesBefore(text.Text(), text.Length(), replacing, marks[i]) * shift;
}
