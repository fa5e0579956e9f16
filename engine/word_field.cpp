#include "word_field.h"

#include <cstring>

#include "windows_1252.h"

namespace {

// Each byte in upper and in lower case, looked up rather than worked out: the indexes lower every
// entry they hold.
struct CaseTables {
    unsigned char upper[256];
    unsigned char lower[256];
};

CaseTables MakeCaseTables()
{
    CaseTables tables;
    for (int b = 0; b < 256; b++) {
        tables.upper[b] = UpperCaseOf1252(static_cast<unsigned char>(b));
        tables.lower[b] = LowerCaseOf1252(static_cast<unsigned char>(b));
    }
    return tables;
}

// Made at the first use, so that a check during another file's start-up finds them made.
const CaseTables& Cases()
{
    static const CaseTables tables = MakeCaseTables();
    return tables;
}

void MapBytes(const unsigned char* table, char* text, int n)
{
    for (int i = 0; i < n; i++)
        text[i] = static_cast<char>(table[static_cast<unsigned char>(text[i])]);
}

} // namespace

void CopyToField(char* field, int width, const char* text, int textLength)
{
    int n = textLength < width ? textLength : width;
    if (n < 0)
        n = 0;
    if (n > 0)
        std::memcpy(field, text, static_cast<size_t>(n));
    if (width > n)
        std::memset(field + n, ' ', static_cast<size_t>(width - n));
}

bool SameWord(const WordField& a, const WordField& b)
{
    return std::memcmp(a.ch, b.ch, WordWidth) == 0;
}

int CompareWords(const WordField& a, const WordField& b)
{
    return std::memcmp(a.ch, b.ch, WordWidth);
}

int16_t TrimmedLength(const char* text, int width)
{
    int i = width;
    while (i > 0 && text[i - 1] == ' ')
        i--;
    return static_cast<int16_t>(i);
}

int16_t TrimmedLength(const WordField& word)
{
    return TrimmedLength(word.ch, WordWidth);
}

void ChangeCase(int mode, char* text, int n)
{
    if (mode == UpperCaseMode)
        MapBytes(Cases().upper, text, n);
    else if (mode == LowerCaseMode)
        MapBytes(Cases().lower, text, n);
}

uint32_t HashWord(const WordField& word)
{
    uint64_t parts[4];
    std::memcpy(parts, word.ch, sizeof parts);
    uint64_t h = 0x9E3779B97F4A7C15ull;
    for (uint64_t part : parts) {
        h ^= part;
        h *= 0xBF58476D1CE4E5B9ull;
        h ^= h >> 31;
    }
    return static_cast<uint32_t>(h >> 32);
}

WordField LowerCaseCopy(const WordField& word)
{
    WordField lower = word;
    ChangeCase(LowerCaseMode, lower.ch, WordWidth);
    return lower;
}

int LetterSlot(unsigned char b)
{
    return b <= 90 ? b - 64 : b - 70;
}

void FillBlanks(WordField& word)
{
    std::memset(word.ch, ' ', WordWidth);
}
