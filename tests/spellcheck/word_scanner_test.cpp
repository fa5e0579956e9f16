#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "list_folder.h"
#include "scan_text.h"
#include "word_scanner.h"

namespace {

struct Found {
    int32_t position;
    std::string word;
    int32_t length;
};

Found Next(const std::string& line, int32_t start)
{
    int32_t n = static_cast<int32_t>(line.size());
    int32_t position = -1, length = -1;
    WordField word;
    NextWord(line.c_str(), n, start, position, word, length);
    return {position, Text(word), length};
}

std::string Clean(const std::string& typed)
{
    char text[32] = {};
    std::strncpy(text, typed.c_str(), 31);
    CleanTypedWord(text);
    return text;
}

TEST(NextWord, WalksALine)
{
    Found first = Next("Hello, world", 0);
    EXPECT_EQ(first.position, 1);
    EXPECT_EQ(first.word, "Hello");
    EXPECT_EQ(first.length, 5);
    Found second = Next("Hello, world", 6);
    EXPECT_EQ(second.position, 8);
    EXPECT_EQ(second.word, "world");
    EXPECT_EQ(Next("Hello, world", 8).position, 0);
}

TEST(NextWord, StartInsideAWordSkipsTheRestOfIt)
{
    EXPECT_EQ(Next("Hello, world", 1).word, "world");
    EXPECT_EQ(Next("Hello, world", 3).word, "world");
    EXPECT_EQ(Next("Hello, world", 5).position, 8);    // on the last letter
    EXPECT_EQ(Next("Hello, world", 12).position, 0);
    EXPECT_EQ(Next("Hello, world", 13).position, 0);   // N + 1
}

TEST(NextWord, Apostrophes)
{
    Found tis = Next("'tis", 0);
    EXPECT_EQ(tis.position, 2);
    EXPECT_EQ(tis.word, "tis");
    Found dogs = Next("dogs' bone", 0);
    EXPECT_EQ(dogs.word, "dogs");
    EXPECT_EQ(dogs.length, 4);
    EXPECT_EQ(Next("dogs' bone", dogs.position + dogs.length).word, "bone");
    EXPECT_EQ(Next("dogs' bone", dogs.position).word, "bone");
    EXPECT_EQ(Next("it's", 0).length, 4);
    Found twice = Next("ab'' c", 0);
    EXPECT_EQ(twice.word, "ab'");
    EXPECT_EQ(twice.length, 3);
}

TEST(NextWord, LettersOnlyBeginWords)
{
    Found x = Next("X2Y", 0);
    EXPECT_EQ(x.word, "X");
    Found y = Next("X2Y", x.position + x.length);
    EXPECT_EQ(y.position, 3);
    EXPECT_EQ(y.word, "Y");
    EXPECT_EQ(Next("well-known", 0).word, "well");
    EXPECT_EQ(Next("well-known", 5).word, "known");
    for (const char* line : {"", "12 34, -- !?", "''"}) {
        Found none = Next(line, 0);
        EXPECT_EQ(none.position, 0) << line;
        EXPECT_EQ(none.length, 0) << line;
        EXPECT_EQ(none.word, "") << line;
    }
}

// The accented letters of Windows-1252 are letters, and may begin a word; × and ÷ are not letters.
TEST(NextWord, AccentedLettersOfWindows1252AreLetters)
{
    EXPECT_EQ(Next("caf\xe9s", 0).word, "caf\xe9s");
    EXPECT_EQ(Next("caf\xe9s", 4).position, 0);
    EXPECT_EQ(Next("12 \xc9lan", 0).word, "\xc9lan");
    EXPECT_EQ(Next("(\x8cuvre \x9a\x9c\x9e\x9f\x8a\x8e\xd8\xf8\xff\xc0\xd6\xf6)", 0).word, "\x8cuvre");
    EXPECT_EQ(Next("(\x8cuvre \x9a\x9c\x9e\x9f\x8a\x8e\xd8\xf8\xff\xc0\xd6\xf6)", 7).length, 12);
    Found times = Next("a\xd7" "b", 0);
    EXPECT_EQ(times.word, "a");
    EXPECT_EQ(Next("a\xd7" "b", times.position + times.length).position, 3);
    EXPECT_EQ(Next("\xf7\xd7\xa0\xbf\xb5\xaa", 0).position, 0);   // signs, no-break space, ¿, µ, ª
}

// A word with a letter outside Windows-1252 is passed over whole, wherever that letter stands, and
// even beyond the 32 characters kept.
TEST(NextWord, WordsWithForeignLettersArePassedOver)
{
    const std::string f(1, ForeignLetter);
    Found next = Next("ab" + f + "cd " + f + "x it's y" + f + " na\xefve", 0);
    EXPECT_EQ(next.word, "it's");
    EXPECT_EQ(next.position, 10);
    Found last = Next("ab" + f + "cd " + f + "x it's y" + f + " na\xefve", next.position + next.length);
    EXPECT_EQ(last.word, "na\xefve");
    EXPECT_EQ(last.position, 18);
    EXPECT_EQ(Next(std::string(40, 'k') + f + " next", 0).word, "next");
    EXPECT_EQ(Next("don'" + f + " so", 0).word, "so");
    EXPECT_EQ(Next(f + f, 0).position, 0);
    EXPECT_EQ(FindWord(("x" + f + " x").c_str(), 4, 0, "x"), 3);
}

TEST(NextWord, OverlongWordsGiveTheirFirst32LettersOnce)
{
    std::string line = std::string(40, 'k') + " next";
    Found first = Next(line, 0);
    EXPECT_EQ(first.length, 32);
    EXPECT_EQ(first.word, std::string(32, 'k'));
    Found second = Next(line, first.position + first.length);
    EXPECT_EQ(second.word, "next");
    EXPECT_EQ(second.position, 42);
    EXPECT_EQ(Next(std::string(40, 'k'), 33).position, 0);
}

TEST(NextWord, StartsOutsideTheLineReadNothingOutsideIt)
{
    EXPECT_EQ(Next("Hello", INT32_MAX).position, 0);
    EXPECT_EQ(Next("Hello", INT32_MAX - 1).length, 0);

    // Letters stand before the line in memory: a scan that reached back would find them.
    const char memory[] = "xyzab cd";
    const char* line = memory + 3;
    int32_t n = 5, start = -2, position = -1, length = -1;
    WordField word;
    NextWord(line, n, start, position, word, length);
    EXPECT_EQ(position, 1);
    EXPECT_EQ(Text(word), "ab");
    EXPECT_EQ(length, 2);
}

TEST(CleanTypedWord, KeepsTheFirstRunOfWordCharacters)
{
    const std::pair<std::string, std::string> typedAndCleaned[] = {
        {"  (teh)", "teh"},          {"re-enter now", "re-enter"}, {"12abc", "abc"},
        {"c?t*", "c?t*"},            {"well.", "well"},            {"123", ""},
        {"", ""},                    {"o'clock-ish!x", "o'clock-ish"},
        {"  (caf\xe9)", "caf\xe9"},  {"\xc9lan, \xe9migr\xe9", "\xc9lan"}, {"a\xd7" "b", "a"},
        {"\xbfna\xefve?", "na\xefve?"}, {"ab\x81" "cd e", "ab\x81" "cd"},
        {std::string(31, 'a'), std::string(31, 'a')},
    };
    for (const auto& c : typedAndCleaned)
        EXPECT_EQ(Clean(c.first), c.second) << c.first;
}

TEST(ToWordField, PadsWithBlanksAndKeeps32Characters)
{
    WordField field;
    ToWordField("cat", field);
    EXPECT_EQ(std::string(field.ch, 32), "cat" + std::string(29, ' '));
    std::string forty(40, 'z');
    ToWordField(forty.c_str(), field);
    EXPECT_EQ(std::string(field.ch, 32), std::string(32, 'z'));
}

} // namespace
