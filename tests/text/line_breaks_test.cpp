#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "line_breaks.h"

namespace {

// The rows a paragraph wraps into when a row holds at most `width` characters, found as the edit
// control finds them: the longest row that fits, cut where the next may begin, or cut at the width
// when no word break fits.
std::vector<std::wstring> Wrap(const std::wstring& text, int width)
{
    std::vector<std::wstring> rows;
    size_t start = 0;
    while (text.size() - start > static_cast<size_t>(width)) {
        const wchar_t* rest = text.c_str() + start;
        int count = static_cast<int>(text.size() - start);
        int cut = AnswerWordBreak(rest, width + 1, count, BreakBefore);
        while (cut > width)
            cut = AnswerWordBreak(rest, cut, count, BreakBefore);
        if (cut == 0)
            cut = width;
        rows.push_back(text.substr(start, static_cast<size_t>(cut)));
        start += static_cast<size_t>(cut);
    }
    rows.push_back(text.substr(start));
    return rows;
}

TEST(LineBreaks, RowsBeginAtWordsAndKeepTheirSpacesAtTheirEnd)
{
    EXPECT_EQ(Wrap(L"the quick  brown fox", 11), (std::vector<std::wstring>{L"the quick  ", L"brown fox"}));
    EXPECT_EQ(Wrap(L"a well-known word", 9), (std::vector<std::wstring>{L"a well-", L"known ", L"word"}));
    // A negative number and a range of digits stay whole; a no-break space joins.
    EXPECT_EQ(Wrap(L"ab -5 3-4", 7), (std::vector<std::wstring>{L"ab -5 ", L"3-4"}));
    EXPECT_EQ(Wrap(L"ab 12\u00a0kg", 7), (std::vector<std::wstring>{L"ab ", L"12\u00a0kg"}));
    // Ideographs break anywhere; a word longer than a row is cut at the row's width.
    EXPECT_EQ(Wrap(L"\u65e5\u672c\u8a9e\u6587", 3), (std::vector<std::wstring>{L"\u65e5\u672c\u8a9e", L"\u6587"}));
    EXPECT_EQ(Wrap(L"abcdefgh ij", 4), (std::vector<std::wstring>{L"abcd", L"efgh", L" ij"}));
}

// Ctrl+Left from inside or just behind a word goes to its start; Ctrl+Right and a double click go to
// the next word's start, past the spaces.
TEST(LineBreaks, WordsForTheCaretKeys)
{
    const wchar_t text[] = L"one two  three";
    int count = static_cast<int>(std::wstring(text).size());
    EXPECT_EQ(AnswerWordBreak(text, 6, count, BreakBefore), 4);
    EXPECT_EQ(AnswerWordBreak(text, 4, count, BreakBefore), 0);
    EXPECT_EQ(AnswerWordBreak(text, 9, count, BreakBefore), 4);
    EXPECT_EQ(AnswerWordBreak(text, 1, count, BreakAfter), 4);
    EXPECT_EQ(AnswerWordBreak(text, 0, count, BreakAfter), 4);
    EXPECT_EQ(AnswerWordBreak(text, 10, count, BreakAfter), count);
    EXPECT_EQ(AnswerWordBreak(text, 3, count, IsDelimiter), 1);
    EXPECT_EQ(AnswerWordBreak(text, 4, count, IsDelimiter), 0);
}

} // namespace
