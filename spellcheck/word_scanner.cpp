#include "word_scanner.h"

#include <cstring>

#include "scan_text.h"
#include "windows_1252.h"

namespace {

// What each byte is to the scanner, looked up rather than worked out: the spell run asks for every
// character of the document.
const unsigned char BeginsWordBit = 1;     // a letter of Windows-1252, or a ForeignLetter
const unsigned char WordCharBit = 2;       // one that begins a word, or the apostrophe
const unsigned char TypedWordCharBit = 4;  // one that begins a word, '*', '?', the apostrophe or '-'

struct ByteClasses {
    unsigned char of[256];
};

ByteClasses MakeByteClasses()
{
    ByteClasses classes;
    for (int b = 0; b < 256; b++) {
        unsigned char c = static_cast<unsigned char>(b);
        // A word with a letter outside Windows-1252 begins and goes on like any other, to be passed over.
        bool begins = Is1252Letter(c) || c == static_cast<unsigned char>(ForeignLetter);
        bool typed = begins || c == '*' || c == '?' || c == '\'' || c == '-';
        classes.of[b] = static_cast<unsigned char>((begins ? BeginsWordBit : 0) |
                                                   (begins || c == '\'' ? WordCharBit : 0) |
                                                   (typed ? TypedWordCharBit : 0));
    }
    return classes;
}

// Made at the first use, so that a scan during another file's start-up finds them made.
const ByteClasses& Classes()
{
    static const ByteClasses classes = MakeByteClasses();
    return classes;
}

// An apostrophe never begins a word.
bool BeginsWord(const ByteClasses& classes, unsigned char c)
{
    return (classes.of[c] & BeginsWordBit) != 0;
}

bool IsWordChar(const ByteClasses& classes, unsigned char c)
{
    return (classes.of[c] & WordCharBit) != 0;
}

bool IsTypedWordChar(const ByteClasses& classes, unsigned char c)
{
    return (classes.of[c] & TypedWordCharBit) != 0;
}

} // namespace

void NextWord(const char* line, const int32_t& n, const int32_t& start,
              int32_t& position, WordField& word, int32_t& length)
{
    const unsigned char* text = reinterpret_cast<const unsigned char*>(line);
    // p: 0-based index of the next character to look at. A negative start would read before the
    // line; it counts as the line's beginning.
    int32_t p = start < 0 ? 0 : start;
    FillBlanks(word);
    length = 0;
    position = 0;
    // A start at or behind the end finds nothing; from here on p < n, so stepping on cannot overflow.
    if (p >= n)
        return;

    // A start inside a word passes over the rest of that word.
    const ByteClasses& classes = Classes();
    if (p > 0 && IsWordChar(classes, text[p - 1])) {
        while (p < n && IsWordChar(classes, text[p]))
            p++;
    }
    // The word's first 32 characters are taken while the whole run is read: a word with a letter
    // outside Windows-1252 is passed over whole, neither checked nor split.
    int32_t l = 0;
    for (;;) {
        while (p < n && !BeginsWord(classes, text[p]))
            p++;
        if (p >= n)
            return;
        bool foreign = false;
        l = 0;
        int32_t end = p;
        for (; end < n && IsWordChar(classes, text[end]); end++) {
            foreign |= text[end] == static_cast<unsigned char>(ForeignLetter);
            if (l < WordWidth)
                word.ch[l++] = static_cast<char>(text[end]);
        }
        if (!foreign)
            break;
        FillBlanks(word);
        p = end;
    }
    p++;   // the first letter's 1-based position
    // l is at least 1 here (the letter found above); the test says so to the compiler as well.
    if (l > 0 && word.ch[l - 1] == '\'') {
        word.ch[l - 1] = ' ';
        l--;
    }
    position = p;
    length = l;
}

int FindWord(const char* text, int n, int from, const char* word)
{
    size_t wantedLength = std::strlen(word);
    int32_t length32 = n, start = from, position = 0, length = 0;
    WordField found;
    for (;;) {
        NextWord(text, length32, start, position, found, length);
        if (length == 0)
            return -1;
        if (static_cast<size_t>(length) == wantedLength && std::memcmp(found.ch, word, wantedLength) == 0)
            return position - 1;
        start = position + length;
    }
}

void CleanTypedWord(char* text)
{
    char scratch[WordWidth];
    int copyLength = 0;
    while (copyLength < WordWidth) {
        scratch[copyLength] = text[copyLength];
        if (text[copyLength] == 0)
            break;
        copyLength++;
    }
    int taken = copyLength < WordWidth ? copyLength + 1 : WordWidth;
    int k = 0;
    bool started = false;
    for (int i = 0; i < taken; i++) {
        unsigned char ch = static_cast<unsigned char>(scratch[i]);
        if (IsTypedWordChar(Classes(), ch)) {
            text[k++] = static_cast<char>(ch);
            started = true;
        } else if (ch == 0 || started) {
            text[k] = 0;
            return;
        }
    }
    // Only a text of 32 or more word characters reaches this point; the caller's limit of 31 prevents it.
    text[k < WordWidth ? k : WordWidth - 1] = 0;
}

void ToWordField(const char* text, WordField& field)
{
    FillBlanks(field);
    for (int i = 0; i < WordWidth && text[i] != 0; i++)
        field.ch[i] = text[i];
}
