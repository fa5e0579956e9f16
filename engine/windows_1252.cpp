#include "windows_1252.h"

namespace {

const uint32_t Unassigned = 0;

// Bytes 0x80..0x9F; every other byte is the Unicode character of the same number.
const uint32_t HighControlsBlock[32] = {
    0x20AC, Unassigned, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, Unassigned, 0x017D, Unassigned,
    Unassigned, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, Unassigned, 0x017E, 0x0178,
};

const unsigned char BlockStart = 0x80;
const unsigned char BlockEnd = 0x9F;
const unsigned char MultiplicationSign = 0xD7;
const unsigned char DivisionSign = 0xF7;
const unsigned char UpperYWithDiaeresis = 0x9F;      // Ÿ, whose lower case ÿ is 0xFF
const unsigned char LowerYWithDiaeresis = 0xFF;
const int AccentedCaseDistance = 0x20;               // À..Þ and à..þ, as 'A'..'Z' and 'a'..'z'
const int CaronCaseDistance = 0x10;                  // Š Œ Ž (0x8A 0x8C 0x8E) and š œ ž (0x9A 0x9C 0x9E)
const uint32_t TypographicApostrophe = 0x2019;

bool IsCaronUpper(unsigned char b)
{
    return b == 0x8A || b == 0x8C || b == 0x8E;
}

bool IsCaronLower(unsigned char b)
{
    return b == 0x9A || b == 0x9C || b == 0x9E;
}

// ß (0xDF) is a lower-case letter without an upper case of its own.
bool IsAccentedUpper(unsigned char b)
{
    return b >= 0xC0 && b <= 0xDE && b != MultiplicationSign;
}

bool IsAccentedLower(unsigned char b)
{
    return b >= 0xE0 && b <= 0xFE && b != DivisionSign;
}

} // namespace

uint32_t UnicodeOf1252(unsigned char b)
{
    if (b >= BlockStart && b <= BlockEnd)
        return HighControlsBlock[b - BlockStart];
    return b;
}

int Windows1252Of(uint32_t c)
{
    if (c < BlockStart || (c > BlockEnd && c <= 0xFF))
        return static_cast<int>(c);
    if (c <= 0xFF)
        return -1;   // the C1 control characters
    for (int i = 0; i < 32; i++)
        if (HighControlsBlock[i] == c)
            return BlockStart + i;
    return -1;
}

int WordByteOf(uint32_t c)
{
    return c == TypographicApostrophe ? '\'' : Windows1252Of(c);
}

bool Is1252Letter(unsigned char b)
{
    if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z'))
        return true;
    if (b >= 0xC0)
        return b != MultiplicationSign && b != DivisionSign;
    return IsCaronUpper(b) || IsCaronLower(b) || b == UpperYWithDiaeresis;
}

unsigned char UpperCaseOf1252(unsigned char b)
{
    if (b >= 'a' && b <= 'z')
        return static_cast<unsigned char>(b - 'a' + 'A');
    if (IsAccentedLower(b))
        return static_cast<unsigned char>(b - AccentedCaseDistance);
    if (IsCaronLower(b))
        return static_cast<unsigned char>(b - CaronCaseDistance);
    if (b == LowerYWithDiaeresis)
        return UpperYWithDiaeresis;
    return b;
}

unsigned char LowerCaseOf1252(unsigned char b)
{
    if (b >= 'A' && b <= 'Z')
        return static_cast<unsigned char>(b - 'A' + 'a');
    if (IsAccentedUpper(b))
        return static_cast<unsigned char>(b + AccentedCaseDistance);
    if (IsCaronUpper(b))
        return static_cast<unsigned char>(b + CaronCaseDistance);
    if (b == UpperYWithDiaeresis)
        return LowerYWithDiaeresis;
    return b;
}
