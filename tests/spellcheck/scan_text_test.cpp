#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "scan_text.h"
#include "word_scanner.h"

namespace {

std::string ScanText(const std::wstring& text)
{
    std::string scan(text.size(), '?');
    ScanTextFromUtf16(text.data(), static_cast<int32_t>(text.size()), &scan[0]);
    return scan;
}

// The words NextWord finds in a scan text, each with its 1-based position.
std::vector<std::pair<int32_t, std::string>> Words(const std::string& scan)
{
    std::vector<std::pair<int32_t, std::string>> words;
    int32_t n = static_cast<int32_t>(scan.size()), start = 0, position = 0, length = 0;
    for (;;) {
        WordField word;
        NextWord(scan.c_str(), n, start, position, word, length);
        if (length == 0)
            return words;
        words.push_back({position, std::string(word.ch, static_cast<size_t>(length))});
        start = position + length;
    }
}

TEST(ScanText, OneByteForEachCodeUnit)
{
    const std::wstring text = L"\u201cCaf\u00e9 au lait,\u201d she said. It\u2019s a clich\u00e9 \u2014 "
                              L"\u00d7\u0153\u20ac\u3000\uff0c\u2026\u0080\u00a0\u0100\u03bb\u6771\ufeff"
                              L"re\u2011enter\u200bnow";
    const std::string scan = ScanText(text);
    EXPECT_EQ(scan, "\x93" "Caf\xe9 au lait,\x94 she said. It's a clich\xe9 \x97 "
                    "\xd7\x9c\x80  \x85 \xa0\x81\x81\x81 re enter now");
    const std::vector<std::pair<int32_t, std::string>> expected = {
        {2, "Caf\xe9"}, {7, "au"}, {10, "lait"}, {17, "she"}, {21, "said"}, {27, "It's"}, {32, "a"},
        {34, "clich\xe9"}, {44, "\x9c"}, {55, "re"}, {58, "enter"}, {64, "now"}};
    EXPECT_EQ(Words(scan), expected);
}

// Greek, Cyrillic, CJK, letters of other Latin code pages, combining accents and surrogate halves are
// letters outside Windows-1252: their words are passed over, not split.
TEST(ScanText, WordsWithLettersOutsideWindows1252ArePassedOver)
{
    const std::wstring text = L"the \u03bb\u03cc\u03b3\u03bf\u03c2 and \u041c\u043e\u0441\u043a\u0432\u0430 "
                              L"\u6771\u4eac is \u0141\u00f3d\u017a or cafe\u0301 a\xD83D\xDE00" L"b end";
    std::vector<std::string> words;
    for (const auto& word : Words(ScanText(text)))
        words.push_back(word.second);
    EXPECT_EQ(words, (std::vector<std::string>{"the", "and", "is", "or", "end"}));
}

TEST(ScanText, WordsBetweenWindows1252AndWideText)
{
    wchar_t wide[9];
    WideFromWordText("na\xefve\x92\x8c\x81", wide, 9);
    EXPECT_EQ(std::wstring(wide), L"na\u00efve\u2019\u0152\ufffd");
    WideFromWordText("overlong", wide, 4);
    EXPECT_EQ(std::wstring(wide), L"ove");

    char word[8];
    EXPECT_TRUE(WordTextFromWide(L"isn\u2019t\u00e9\u0152", word, 8));
    EXPECT_STREQ(word, "isn't\xe9\x8c");
    for (const wchar_t* outside : {L"\u03bb", L"a\u0100", L"\xD83D\xDE00", L"\u0081", L"toolong!"}) {
        std::strcpy(word, "kept");
        EXPECT_FALSE(WordTextFromWide(outside, word, 8));
        EXPECT_STREQ(word, "");
    }
}

} // namespace
