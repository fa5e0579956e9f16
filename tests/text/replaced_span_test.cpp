#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "replaced_span.h"
#include "word_scanner.h"

namespace {

// The whole text after replacing every match from `from`, and where its last replacement begins.
struct Replaced {
    std::string text;
    int count;
    int lastStart;
};

// The texts here are ASCII: each byte is the character of the same value.
std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

// The words as the spell check finds them, in the text as the word scanner reads it.
int FindScannedWord(const wchar_t*, int length, int from, const Replacing& replacing)
{
    return FindWord(replacing.scannedText, length, from, replacing.scannedWanted);
}

Replaced ReplaceMatches(FindMatch findMatch, const std::string& text, int from, const char* wanted,
                        const char* replacement)
{
    std::wstring wideText = Wide(text), wideWanted = Wide(wanted), wideReplacement = Wide(replacement);
    Replacing replacing = {findMatch, wideWanted.c_str(), wideReplacement.c_str(), text.c_str(), wanted};
    int length = static_cast<int>(text.size());
    ReplacedSpan span = FindReplacedSpan(wideText.c_str(), length, from, replacing);
    if (span.count == 0)
        return Replaced{text, 0, -1};
    // Room for what the change writes, and one character more, which it must leave alone.
    size_t written = ReplacedSpanCharacters(span);
    std::wstring middle(written + 1, L'#');
    WriteReplacedSpan(wideText.c_str(), length, span, replacing, &middle[0]);
    EXPECT_EQ(middle[written - 1], L'\0');
    EXPECT_EQ(middle[written], L'#');
    middle.resize(written - 1);
    std::string result = text.substr(0, static_cast<size_t>(span.start)) + Narrow(middle) +
                         text.substr(static_cast<size_t>(span.end));
    return Replaced{result, span.count, span.lastStart};
}

Replaced ReplaceAll(const std::string& text, int from, const char* wanted, const char* replacement)
{
    return ReplaceMatches(FindSubstring, text, from, wanted, replacement);
}

void Expect(const Replaced& got, const std::string& text, int count, int lastStart)
{
    EXPECT_EQ(got.text, text);
    EXPECT_EQ(got.count, count);
    EXPECT_EQ(got.lastStart, lastStart);
}

} // namespace

TEST(ReplacedSpanTest, ReplacesEveryMatchFromThePositionLeftToRight)
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

TEST(ReplacedSpanTest, FindsNothingWithoutAMatchAfterThePosition)
{
    Expect(ReplaceAll("one two one", 9, "one", "x"), "one two one", 0, -1);
    Expect(ReplaceAll("one two one", 11, "one", "x"), "one two one", 0, -1);
    Expect(ReplaceAll("one two one", 500, "one", "x"), "one two one", 0, -1);
    Expect(ReplaceAll("one two one", 0, "", "x"), "one two one", 0, -1);
    Expect(ReplaceAll("", 0, "one", "x"), "", 0, -1);
}

// Change All: whole words as the spell check finds them, anywhere in the text.
TEST(ReplacedSpanTest, WholeWordsOfTheSameSpellingAreReplacedAndNothingElse)
{
    Expect(ReplaceMatches(FindScannedWord, "teh dog\r\nteh, Teh tehs xteh teh'\r\n'teh teh's", 0, "teh", "the"),
           "the dog\r\nthe, Teh tehs xteh the'\r\n'the teh's", 4, 35);
    // The part of a letter run beyond its 32nd letter is no word of its own.
    std::string run(32, 'a');
    Expect(ReplaceMatches(FindScannedWord, run + "aaa " + run, 0, run.c_str(), "b"), "b" + std::string(3, 'a') + " b", 2, 5);
    Expect(ReplaceMatches(FindScannedWord, "aaa aaaaaa", 0, "aaa", "aaa aaa"), "aaa aaa aaaaaa", 1, 0);
    Expect(ReplaceMatches(FindScannedWord, "tehs xteh", 0, "teh", "the"), "tehs xteh", 0, -1);
    // A first match behind an apostrophe, which is a word character that never begins a word.
    Expect(ReplaceMatches(FindScannedWord, "x ''teh teh", 0, "teh", "the"), "x ''the the", 2, 8);
}

namespace {

// One match, at the very start, whatever the text: stands in for a text too long to hold in a test.
int MatchAtTheStart(const wchar_t*, int, int from, const Replacing&)
{
    return from == 0 ? 0 : -1;
}

} // namespace

// A change whose text would have more characters than a position can address (INT_MAX) is refused,
// however its growth is made up: the caller would size the new text's buffer from a wrapped number.
TEST(ReplacedSpanTest, NoChangeGrowsTheTextBeyondTheLastAddressablePosition)
{
    // 50,000 matches, each replaced by 50,001 characters: 2.5 billion characters.
    std::wstring many(50000, L'x');
    std::wstring longer(50001, L'y');
    Replacing everyX = {FindSubstring, L"x", longer.c_str(), nullptr, nullptr};
    EXPECT_EQ(FindReplacedSpan(many.c_str(), static_cast<int>(many.size()), 0, everyX).count, 0);

    // One match in a text of INT_MAX - 1,000 characters: 1,000 characters more fit, 1,001 do not.
    const int length = INT_MAX - 1000;
    std::wstring fits(1001, L'y'), tooLong(1002, L'y');
    Replacing growingBy1000 = {MatchAtTheStart, L"x", fits.c_str(), nullptr, nullptr};
    ReplacedSpan span = FindReplacedSpan(L"x", length, 0, growingBy1000);
    EXPECT_EQ(span.count, 1);
    EXPECT_EQ(span.newLength, 1001);
    Replacing growingBy1001 = {MatchAtTheStart, L"x", tooLong.c_str(), nullptr, nullptr};
    EXPECT_EQ(FindReplacedSpan(L"x", length, 0, growingBy1001).count, 0);
}
