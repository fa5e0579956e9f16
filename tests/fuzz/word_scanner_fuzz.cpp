// The document word scanner over an arbitrary line from an arbitrary start position, walked to the
// line's end as the spell-check run walks it; the same bytes read as UTF-16 text and walked as scan
// text; and the cleaning of a typed word.
// Input: four bytes of start position (little-endian), then the line.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz_check.h"
#include "scan_text.h"
#include "windows_1252.h"
#include "word_scanner.h"

namespace {

bool BeginsWord(char c)
{
    return Is1252Letter(static_cast<unsigned char>(c)) || c == ForeignLetter;
}

bool IsWordChar(char c)
{
    return BeginsWord(c) || c == '\'';
}

// Each word's way to wide text and back gives the word again.
void ConvertBack(const WordField& word, int32_t length)
{
    char text[WordWidth + 1];
    std::memcpy(text, word.ch, static_cast<size_t>(length));
    text[length] = 0;
    wchar_t wide[WordWidth + 1];
    WideFromWordText(text, wide, WordWidth + 1);
    char back[WordWidth + 1];
    FUZZ_CHECK(WordTextFromWide(wide, back, WordWidth + 1));
    FUZZ_CHECK(std::strcmp(back, text) == 0);
}

void WalkLine(const std::string& line, int32_t start)
{
    const int32_t n = static_cast<int32_t>(line.size());
    int32_t from = start;
    for (;;) {
        int32_t position = -1, length = -1;
        WordField word;
        NextWord(line.c_str(), n, from, position, word, length);
        if (position == 0) {
            FUZZ_CHECK(length == 0);
            return;
        }
        // A word begins with a letter after the start, lies inside the line and is copied as it stands.
        FUZZ_CHECK(position > std::max(from, 0) && position <= n);
        FUZZ_CHECK(length >= 1 && length <= WordWidth && position - 1 + length <= n);
        FUZZ_CHECK(Is1252Letter(static_cast<unsigned char>(line[position - 1])));
        FUZZ_CHECK(std::memcmp(word.ch, line.data() + position - 1, length) == 0);
        for (int i = length; i < WordWidth; i++)
            FUZZ_CHECK(word.ch[i] == ' ');
        // It is a whole word, not the tail of one, and no letter outside Windows-1252 stands in it.
        FUZZ_CHECK(position == 1 || !BeginsWord(line[position - 2]));
        for (int32_t i = position - 1; i < n && IsWordChar(line[i]); i++)
            FUZZ_CHECK(line[i] != ForeignLetter);
        ConvertBack(word, length);
        from = position + length;
    }
}

// The bytes as UTF-16 code units (little-endian): one scan byte per unit, ASCII as it stands.
void WalkScanText(const std::string& bytes, int32_t start)
{
    std::wstring text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        text += static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
    std::string scan(text.size() + 1, '\0');
    ScanTextFromUtf16(text.data(), static_cast<int32_t>(text.size()), &scan[0]);
    for (size_t i = 0; i < text.size(); i++) {
        if (text[i] < 0x80)
            FUZZ_CHECK(scan[i] == static_cast<char>(text[i]));
        if (scan[i] == ForeignLetter)
            FUZZ_CHECK(Windows1252Of(static_cast<uint32_t>(text[i])) < 0);
    }
    scan.resize(text.size());
    WalkLine(scan, start);
}

void CleanTyped(const std::string& line)
{
    char text[WordWidth] = {};
    std::memcpy(text, line.data(), std::min<size_t>(line.size(), WordWidth - 1));
    CleanTypedWord(text);
    size_t cleaned = std::strlen(text);
    FUZZ_CHECK(cleaned < WordWidth);
    for (size_t i = 0; i < cleaned; i++)
        FUZZ_CHECK(BeginsWord(text[i]) || std::strchr("*?'-", text[i]) != nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < sizeof(int32_t))
        return 0;
    uint32_t bits = 0;
    for (int i = 3; i >= 0; i--)
        bits = (bits << 8) | data[i];
    int32_t start = static_cast<int32_t>(bits);
    std::string line(reinterpret_cast<const char*>(data) + 4, size - 4);
    WalkLine(line, start);
    WalkScanText(line, start);
    CleanTyped(line);
    return 0;
}
