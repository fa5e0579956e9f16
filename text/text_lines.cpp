#include "text_lines.h"

namespace {

bool IsTrailingSurrogate(wchar_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

bool IsLeadingSurrogate(wchar_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

} // namespace

void LineAndColumnAt(const wchar_t* text, int index, int& line, int& column)
{
    line = 1;
    int lineStart = 0;
    for (int i = 0; i < index; i++) {
        if (text[i] == L'\n') {
            line++;
            lineStart = i + 1;
        }
    }
    // The second half of a surrogate pair is no character of its own.
    int pairs = 0;
    for (int i = lineStart + 1; i < index; i++)
        if (IsTrailingSurrogate(text[i]) && IsLeadingSurrogate(text[i - 1]))
            pairs++;
    column = index - lineStart - pairs + 1;
}

int CountLines(const wchar_t* text, int length)
{
    int lines = 1;
    for (int i = 0; i < length; i++)
        if (text[i] == L'\n')
            lines++;
    return lines;
}

int IndexOfLine(const wchar_t* text, int length, int line)
{
    if (line < 1)
        return -1;
    int current = 1;
    for (int i = 0; i < length && current < line; i++)
        if (text[i] == L'\n' && ++current == line)
            return i + 1;
    return current == line ? 0 : -1;
}
