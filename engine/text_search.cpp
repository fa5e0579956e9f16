#include <cstring>

#include "suggestion_rules.h"

int PositionOf(char ch, const char* text, int length)
{
    for (int i = 0; i < length; i++)
        if (text[i] == ch)
            return i + 1;
    return 0;
}

int PositionOfText(const char* needle, int needleLength, const char* hay, int hayLength)
{
    if (needleLength <= 0)
        return needleLength == 0 ? 1 : 0;
    for (int start = 0; start + needleLength <= hayLength; start++) {
        if (hay[start] != needle[0])
            continue;
        int i = 1;
        while (i < needleLength && hay[start + i] == needle[i])
            i++;
        if (i == needleLength)
            return start + 1;
    }
    return 0;
}
