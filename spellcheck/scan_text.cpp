#include "scan_text.h"

#include "windows_1252.h"

namespace {

struct CharacterRange {
    uint32_t first;
    uint32_t last;
};

// Punctuation, spaces and symbols (those that Windows-1252 lacks): they part words, as a blank does.
const CharacterRange Separators[] = {
    {0x0080, 0x009F},   // C1 control characters
    {0x2000, 0x206F},   // general punctuation: spaces, dashes, quotation marks, ellipsis
    {0x20A0, 0x20CF},   // currency symbols
    {0x2100, 0x2BFF},   // letterlike symbols, number forms, arrows, mathematical operators, shapes, ...
    {0x2E00, 0x2E7F},   // supplemental punctuation
    {0x3000, 0x303F},   // CJK symbols and punctuation, the ideographic space
    {0xFE10, 0xFE1F},   // vertical forms
    {0xFE30, 0xFE6F},   // CJK compatibility forms, small form variants
    {0xFEFF, 0xFEFF},   // zero width no-break space (a byte order mark)
    {0xFF01, 0xFF20},   // fullwidth punctuation and digits
    {0xFF3B, 0xFF40},
    {0xFF5B, 0xFF65},
    {0xFFF0, 0xFFFF},   // specials, the replacement character
};

const uint32_t LastUtf16Unit = 0xFFFF;
const wchar_t ReplacementCharacter = 0xFFFD;

bool IsSeparator(uint32_t c)
{
    for (const CharacterRange& range : Separators)
        if (c >= range.first && c <= range.last)
            return true;
    return false;
}

char ScanByteOf(uint32_t c)
{
    if (c > LastUtf16Unit)
        return ForeignLetter;
    int b = WordByteOf(c);
    if (b >= 0)
        return static_cast<char>(b);
    return IsSeparator(c) ? ' ' : ForeignLetter;
}

} // namespace

void ScanTextFromUtf16(const wchar_t* text, int32_t length, char* out)
{
    for (int32_t i = 0; i < length; i++) {
        uint32_t c = static_cast<uint32_t>(text[i]);
        // Plain ASCII, most of any English text, needs no look-up.
        out[i] = c < 0x80 ? static_cast<char>(c) : ScanByteOf(c);
    }
}

void WideFromWordText(const char* word, wchar_t* out, int outSize)
{
    if (outSize <= 0)
        return;
    int n = 0;
    for (; n < outSize - 1 && word[n] != 0; n++) {
        uint32_t c = UnicodeOf1252(static_cast<unsigned char>(word[n]));
        out[n] = c != 0 ? static_cast<wchar_t>(c) : ReplacementCharacter;
    }
    out[n] = 0;
}

bool WordTextFromWide(const wchar_t* text, char* out, int outSize)
{
    if (outSize <= 0)
        return false;
    int n = 0;
    for (; text[n] != 0; n++) {
        int b = WordByteOf(static_cast<uint32_t>(text[n]));
        if (b <= 0 || n >= outSize - 1) {
            out[0] = 0;
            return false;
        }
        out[n] = static_cast<char>(b);
    }
    out[n] = 0;
    return true;
}
