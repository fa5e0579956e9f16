#include "text_lines.h"

void LineAndColumnAt(const char* text, int index, int& line, int& column)
{
    line = 1;
    int lineStart = 0;
    for (int i = 0; i < index; i++) {
        if (text[i] == '\n') {
            line++;
            lineStart = i + 1;
        }
    }
    column = index - lineStart + 1;
}

int CountLines(const char* text, int length)
{
    int lines = 1;
    for (int i = 0; i < length; i++)
        if (text[i] == '\n')
            lines++;
    return lines;
}

int IndexOfLine(const char* text, int length, int line)
{
    if (line < 1)
        return -1;
    int current = 1;
    for (int i = 0; i < length && current < line; i++)
        if (text[i] == '\n' && ++current == line)
            return i + 1;
    return current == line ? 0 : -1;
}
