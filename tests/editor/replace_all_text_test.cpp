#include <gtest/gtest.h>

#include <string>

#include "replace_all_text.h"

namespace {

// The whole text after Replace All from `from`, and where its last replacement begins.
struct Replaced {
    std::string text;
    int count;
    int lastStart;
};

Replaced ReplaceAll(const std::string& text, int from, const char* wanted, const char* replacement)
{
    ReplacedSpan span = FindReplacedSpan(text.c_str(), static_cast<int>(text.size()), from, wanted, replacement);
    if (span.count == 0)
        return Replaced{text, 0, -1};
    std::string middle(static_cast<size_t>(span.newLength) + 1, '#');
    WriteReplacedSpan(text.c_str(), span, wanted, replacement, &middle[0]);
    EXPECT_EQ(middle.back(), '\0');
    middle.pop_back();
    std::string result = text.substr(0, static_cast<size_t>(span.start)) + middle + text.substr(static_cast<size_t>(span.end));
    return Replaced{result, span.count, span.lastStart};
}

void Expect(const Replaced& got, const std::string& text, int count, int lastStart)
{
    EXPECT_EQ(got.text, text);
    EXPECT_EQ(got.count, count);
    EXPECT_EQ(got.lastStart, lastStart);
}

} // namespace

TEST(ReplaceAllTextTest, ReplacesEveryMatchFromThePositionLeftToRight)
{
    Expect(ReplaceAll("cat cat cat", 0, "cat", "dog"), "dog dog dog", 3, 8);
    Expect(ReplaceAll("one two one", 1, "one", "three"), "one two three", 1, 8);
    Expect(ReplaceAll("Cat cat concatenate", 0, "cat", "CAT"), "Cat CAT conCATenate", 2, 11);
    // Overlapping matches: each search goes on after the match before.
    Expect(ReplaceAll("aaaaa", 0, "aa", "b"), "bba", 2, 1);
    // A replacement that holds the search text is not searched again.
    Expect(ReplaceAll("a cat, a cat", 0, "cat", "concat"), "a concat, a concat", 2, 12);
    Expect(ReplaceAll("aXa", 0, "a", "aa"), "aaXaa", 2, 3);
    // An empty replacement removes the matches.
    Expect(ReplaceAll("xaxbx\r\nx", 0, "x", ""), "ab\r\n", 4, 4);
}

TEST(ReplaceAllTextTest, FindsNothingWithoutAMatchAfterThePosition)
{
    Expect(ReplaceAll("one two one", 9, "one", "x"), "one two one", 0, -1);
    Expect(ReplaceAll("one two one", 11, "one", "x"), "one two one", 0, -1);
    Expect(ReplaceAll("one two one", 500, "one", "x"), "one two one", 0, -1);
    Expect(ReplaceAll("one two one", 0, "", "x"), "one two one", 0, -1);
    Expect(ReplaceAll("", 0, "one", "x"), "", 0, -1);
}
