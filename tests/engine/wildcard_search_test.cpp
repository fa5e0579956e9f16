#include <gtest/gtest.h>

#include <chrono>

#include "suggestion_test_support.h"
#include "wildcard_search.h"

namespace {

bool Matches(const char* pattern, const char* text)
{
    return WildcardMatch(pattern, text);
}

TEST(WildcardMatch, StarsAndQuestionMarks)
{
    EXPECT_TRUE(Matches("b?t", "bat"));
    EXPECT_TRUE(Matches("b?t", "but"));
    EXPECT_FALSE(Matches("b?t", "bt"));
    EXPECT_FALSE(Matches("b?t", "bolt"));
    EXPECT_FALSE(Matches("b?t", "Bat"));
    EXPECT_TRUE(Matches("b*t", "bat"));
    EXPECT_TRUE(Matches("b*t", "blast"));
    EXPECT_TRUE(Matches("a*", "a"));
    EXPECT_TRUE(Matches("a*", "apple"));
    EXPECT_TRUE(Matches("a**", "apple"));
    EXPECT_FALSE(Matches("a**", "a"));
    EXPECT_FALSE(Matches("ab?", "ab"));
    EXPECT_TRUE(Matches("*", ""));
    EXPECT_FALSE(Matches("", "a"));
}

TEST(WildcardMatch, WildcardsInTheTextAreConsumedOneForOne)
{
    // A '*' meeting a '*' in the text advances both and never expands.
    EXPECT_FALSE(Matches("*b", "*ab"));
    EXPECT_TRUE(Matches("*b", "ab"));
    EXPECT_TRUE(Matches("?", "*"));
    EXPECT_TRUE(Matches("*?", "ab"));
}

TEST(WildcardMatch, ManyStarsFinishQuickly)
{
    const char* pattern = "*a*a*a*a*a*a*a*a*a*a*a*a*a*a*z";
    auto start = std::chrono::steady_clock::now();
    bool any = false;
    for (int i = 0; i < 2000; i++)
        any = any || Matches(pattern, "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa");
    auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_FALSE(any);
    EXPECT_TRUE(Matches(pattern, "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaz"));
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 2000);
}

class WildcardSearch : public ::testing::Test {
protected:
    ListFolder folder;
};

TEST_F(WildcardSearch, ScoresFavourThePatternsLength)
{
    folder.WriteLines("Spell.txt", {"Bat", "bat", "blast", "boat", "bolt", "bt", "but"});
    LoadLists();
    Suggest("b*t");
    EXPECT_EQ(SuggestionTexts(), (std::vector<std::string>{"bat", "but", "boat", "bolt", "bt", "blast"}));
    EXPECT_EQ(SpellTables.SuggestionList.slotScore[1], 15);
    EXPECT_EQ(SpellTables.SuggestionList.slotScore[4], 14);
    EXPECT_EQ(SpellTables.SuggestionList.slotScore[6], 13);

    Suggest("b?t");
    EXPECT_EQ(SuggestionTexts(), (std::vector<std::string>{"bat", "but"}));
}

TEST_F(WildcardSearch, LocalEntriesComeFirstAndRepeatsShowEmpty)
{
    folder.WriteLines("Spell.txt", {"cat", "cot"});
    folder.WriteLines("Local.txt", {"cot", "cut"});
    LoadLists();
    Suggest("c?t");
    // cot (local), cut, cat, cot (main): the second cot follows cut, so it is shown.
    EXPECT_EQ(SuggestionTexts(), (std::vector<std::string>{"cot", "cut", "cat", "cot"}));

    folder.WriteLines("Local.txt", {"cat"});
    int16_t status = 0;
    ReloadLocalWords(status);
    Suggest("ca?");
    EXPECT_EQ(PoolCount(), 2);
    EXPECT_EQ(SuggestionAt(1), "cat");
    EXPECT_EQ(SuggestionAt(2), "");   // the main list's cat straight after the local one
}

TEST_F(WildcardSearch, ShortPatternsAndLongScoresBottomOut)
{
    std::string longWord = "a" + std::string(30, 'b');   // 31 characters
    folder.WriteLines("Spell.txt", {"a", longWord});
    LoadLists();
    Suggest("a*");
    ASSERT_EQ(PoolCount(), 2);
    EXPECT_EQ(PoolText(1), "a");
    EXPECT_EQ(SpellTables.SuggestionList.slotScore[1], 14);
    EXPECT_EQ(SpellTables.SuggestionList.slotScore[2], 1);   // 15 - 29 is below 1
}

TEST_F(WildcardSearch, FullLengthEntriesAreMatchedAsTheirFirst31)
{
    std::string full = "z" + std::string(31, 'y');
    folder.WriteLines("Spell.txt", {full});
    LoadLists();
    Suggest("z*");
    ASSERT_EQ(PoolCount(), 1);
    EXPECT_EQ(PoolText(1), full.substr(0, 31));
    SuggestWords(Word("z" + std::string(30, 'y') + "?"));   // 32 characters: the final '?' is lost
    ASSERT_EQ(PoolCount(), 1);
    EXPECT_EQ(PoolScore(1), 0);                // picked
    EXPECT_EQ(SpellTables.SuggestionList.slotScore[1], 14);
}

TEST_F(WildcardSearch, LoneStarFillsThePoolShortestFirst)
{
    std::vector<std::string> words;
    for (int k = 0; k < 33000; k++)
        words.push_back("w" + std::to_string(100000 + k));
    words.push_back("x");
    words.push_back("xy");
    folder.WriteLines("Spell.txt", words);
    folder.WriteLines("Local.txt", {"longerlocal"});
    LoadLists();
    Suggest("*");
    EXPECT_EQ(PoolCount(), PoolCapacity);
    EXPECT_EQ(PoolText(1), "longerlocal");
    EXPECT_EQ(PoolText(PoolCapacity), words[PoolCapacity - 2]);
    // x and xy came after the pool was full; w100000 (7 characters) leads with 9.
    EXPECT_EQ(SuggestionAt(1), "w100000");
    EXPECT_EQ(SpellTables.SuggestionList.slotScore[1], 9);
    EXPECT_EQ(SuggestionAt(288), "w100287");
}

} // namespace
