#include "change_all.h"

#include <cstring>

#include "edit_text_copy.h"
#include "span_replacement.h"
#include "word_scanner.h"

int32_t ChangeAllInDocument(HWND window, int editId, const char* word, const char* replacement, int32_t mark)
{
    HWND edit = GetDlgItem(window, editId);
    EditTextCopy text(edit);
    if (!text.IsValid())
        return mark;
    // The words as the run finds them; a replacement that holds the word again is not searched.
    Replacing replacing = {FindWord, word, replacement};
    ReplacedSpan span = FindReplacedSpan(text.Text(), text.Length(), 0, replacing);
    ReplacedSpan beforeMark = FindReplacedSpan(text.Text(), mark, 0, replacing);
    if (span.count == 0 || !PutReplacedSpan(edit, text.Text(), text.Length(), span, replacing, true))
        return mark;
    int32_t shift = static_cast<int32_t>(std::strlen(replacement)) - static_cast<int32_t>(std::strlen(word));
    return mark + beforeMark.count * shift;
}
