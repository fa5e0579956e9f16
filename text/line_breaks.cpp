#include "line_breaks.h"

namespace {

// Characters a row may end with but never begin with. The no-break space is not one: it joins.
bool IsWhiteSpace(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == 0x3000;   // 0x3000: the ideographic space
}

bool IsHyphen(wchar_t c)
{
    return c == L'-' || c == 0x2010;   // the hyphen-minus and the hyphen
}

bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

// Scripts written without spaces between words, whose rows may end between any two characters.
bool IsIdeograph(wchar_t c)
{
    return (c >= 0x2E80 && c <= 0x9FFF) ||   // CJK radicals, kana, ideographs
           (c >= 0xAC00 && c <= 0xD7AF) ||   // Hangul syllables
           (c >= 0xF900 && c <= 0xFAFF) ||   // compatibility ideographs
           (c >= 0xFF00 && c <= 0xFFEF);     // full-width forms
}

// True when a row may begin at position i (0 < i < count) of the text.
bool MayBeginRow(const wchar_t* text, int i)
{
    wchar_t before = text[i - 1];
    wchar_t at = text[i];
    if (IsWhiteSpace(at))
        return false;
    if (IsWhiteSpace(before))
        return true;
    if (IsIdeograph(before) || IsIdeograph(at))
        return true;
    // "well-known" may end a row at "well-", but "-5" and "3-4" stay whole.
    return IsHyphen(before) && i >= 2 && !IsWhiteSpace(text[i - 2]) && !IsDigit(at);
}

} // namespace

int AnswerWordBreak(const wchar_t* text, int index, int count, int question)
{
    if (text == nullptr || count <= 0)
        return 0;
    if (index < 0)
        index = 0;
    if (index > count)
        index = count;
    switch (question) {
    case BreakBefore:
        if (index > 0)
            index--;
        while (index > 0 && !MayBeginRow(text, index))
            index--;
        return index;
    case BreakAfter:
        while (index < count && text[index] != L'\0' && (index == 0 || !MayBeginRow(text, index)))
            index++;
        return index;
    case IsDelimiter:
        return index < count && IsWhiteSpace(text[index]) ? 1 : 0;
    }
    return 0;
}
