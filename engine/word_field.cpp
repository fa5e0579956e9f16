#include "word_field.h"

#include <cstring>

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
    if (mode == UpperCaseMode) {
        for (int i = 0; i < n; i++)
            if (text[i] >= 'a' && text[i] <= 'z')
                text[i] = static_cast<char>(text[i] - 'a' + 'A');
    } else if (mode == LowerCaseMode) {
        for (int i = 0; i < n; i++)
            if (text[i] >= 'A' && text[i] <= 'Z')
                text[i] = static_cast<char>(text[i] - 'A' + 'a');
    }
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
