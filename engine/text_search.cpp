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
    for (int start = 0; start + needleLength <= hayLength; start++)
        if (std::memcmp(hay + start, needle, static_cast<size_t>(needleLength)) == 0)
            return start + 1;
    return 0;
}
