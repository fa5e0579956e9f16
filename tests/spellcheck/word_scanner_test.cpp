#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "list_folder.h"
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

TEST(CleanTypedWord, KeepsTheFirstRunOfWordCharacters)
{
    EXPECT_EQ(Clean("  (teh)"), "teh");
    EXPECT_EQ(Clean("re-enter now"), "re-enter");
    EXPECT_EQ(Clean("12abc"), "abc");
    EXPECT_EQ(Clean("c?t*"), "c?t*");
    EXPECT_EQ(Clean("well."), "well");
    EXPECT_EQ(Clean("123"), "");
}

} // namespace
