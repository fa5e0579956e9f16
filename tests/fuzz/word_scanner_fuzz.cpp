// The document word scanner over an arbitrary line from an arbitrary start position, walked to the
// line's end as the spell-check run walks it; and the cleaning of a typed word.
// Input: four bytes of start position (little-endian), then the line.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz_check.h"
#include "word_scanner.h"

namespace {

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
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
        FUZZ_CHECK(IsLetter(line[position - 1]));
        FUZZ_CHECK(std::memcmp(word.ch, line.data() + position - 1, length) == 0);
        for (int i = length; i < WordWidth; i++)
            FUZZ_CHECK(word.ch[i] == ' ');
        from = position + length;
    }
}

void CleanTyped(const std::string& line)
{
    char text[WordWidth] = {};
    std::memcpy(text, line.data(), std::min<size_t>(line.size(), WordWidth - 1));
    CleanTypedWord(text);
    size_t cleaned = std::strlen(text);
    FUZZ_CHECK(cleaned < WordWidth);
    for (size_t i = 0; i < cleaned; i++)
        FUZZ_CHECK(IsLetter(text[i]) || std::strchr("*?'-", text[i]) != nullptr);
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
    CleanTyped(line);
    return 0;
}
