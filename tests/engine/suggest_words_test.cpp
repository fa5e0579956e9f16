#include <gtest/gtest.h>

#include "deletion_boost.h"
#include "suggestion_test_support.h"

namespace {

class SuggestWordsTest : public ::testing::Test {
protected:
    ListFolder folder;

    // A pool position's score by text; -1 when the text is not held.
    int16_t ScoreOf(const std::string& text)
    {
        int16_t p = 0;
        return FindCandidate(Word(text), p) ? PoolScore(p) : int16_t(-1);
    }

    // The scan of the word's own initial alone, into a fresh first-pass pool, the word as the query.
    static void ScanOwnInitial(const std::string& word)
    {
        SpellTables.QueryWord = Word(word);
        FreshPool(1);
        ScanSameInitial(Word(word));
    }

    // A candidate's score once the deletions of WORD have raised it from START, alone in a fresh pool.
    int16_t ScoreAfterDeletions(const std::string& candidate, int16_t start, const std::string& word)
    {
        FreshPool(1);
        AppendCandidate(Word(candidate), start);
        BoostDeletions(Word(word));
        return ScoreOf(candidate);
    }

    // Prefix rows in fixed columns: from-text at 6, to-text at 20.
    static std::string PrefixRow(const std::string& from, const std::string& to)
    {
        std::string row = "     " + from;
        row.resize(19, ' ');
        return row + to;
    }
};

TEST_F(SuggestWordsTest, DeletionsRaiseOnceForEachWayOfMakingTheCandidate)
{
    folder.WriteLines("Spell.txt", {"cat"});
    LoadLists();
    ScanOwnInitial("catt");
    EXPECT_EQ(ScoreOf("cat"), 22);
    BoostDeletions(Word("catt"));
    EXPECT_EQ(ScoreOf("cat"), 43);   // 22 -> 31 (position 3) -> 43 (position 4)

    Suggest("catt");
    EXPECT_EQ(SpellTables.SuggestionList.slotScore[1], 43);
    EXPECT_EQ(SuggestionTexts(), std::vector<std::string>{"cat"});
}

TEST_F(SuggestWordsTest, DoubleDeletionsFromFiveLettersAndTheCeiling)
{
    folder.WriteLines("Spell.txt", {"bcde"});
    LoadLists();
    // Four letters: only single deletions ("bxde" without 'x').
    EXPECT_EQ(ScoreAfterDeletions("bde", 30, "bxde"), 42);
    EXPECT_EQ(ScoreAfterDeletions("be", 30, "bxde"), 30);
    // Five letters: removing "xd" from "bxdce" gives "bce" (+1); removing 'x' alone gives "bdce".
    EXPECT_EQ(ScoreAfterDeletions("bce", 30, "bxdce"), 41);
    // The last letter: single and double deletion both.
    EXPECT_EQ(ScoreAfterDeletions("bxdc", 500, "bxdce"), 512);
}

TEST_F(SuggestWordsTest, InnerBlanksScoreAgainstTheEntrysTrailingBlanks)
{
    // A prefix row can put a blank inside a word. Positions 3 to 5 meet "ab"'s trailing blanks:
    // 7 + 3 * 6, minus 2 for the 'b' the word lacks.
    folder.WriteLines("Spell.txt", {"ab"});
    LoadLists();
    ScanOwnInitial("a    z");
    ASSERT_EQ(PoolCount(), 1);
    EXPECT_EQ(PoolScore(1), 23);
}

TEST_F(SuggestWordsTest, WrongFirstLetterIsFoundByTheSecondScan)
{
    folder.WriteLines("Spell.txt", {"fotografic", "photograph"});
    LoadLists();
    WordField aligned;
    int16_t placed = 0;
    AlignWord(Word("_otograph"), 9, Word("photograph"), 10, aligned, placed);
    EXPECT_EQ(Text(aligned), "__otograph");
    EXPECT_EQ(placed, 8);

    Suggest("fotograph");
    ASSERT_GE(PoolCount(), 1);
    int16_t p = 0;
    ASSERT_TRUE(FindCandidate(Word("photograph"), p));
    EXPECT_EQ(SpellTables.SuggestionList.slotScore[1], 53);
    EXPECT_EQ(SuggestionAt(1), "photograph");
}

TEST_F(SuggestWordsTest, ShortWordsSkipTheSecondScan)
{
    folder.WriteLines("Spell.txt", {"Hat", "cat", "xbcd", "xbcde"});
    LoadLists();
    Suggest("bcd");     // three letters: no masked first letter
    EXPECT_TRUE(SuggestionTexts().empty());
    Suggest("ybcde");   // five letters: the second scan finds xbcde
    EXPECT_EQ(SuggestionAt(1), "xbcde");
    Suggest("hat");     // the other case of the first letter is scanned too
    EXPECT_EQ(SuggestionTexts(), std::vector<std::string>{"Hat"});
    Suggest("c");       // one letter: nothing scanned
    EXPECT_TRUE(SuggestionTexts().empty());
    EXPECT_EQ(PoolCount(), 0);
}

TEST_F(SuggestWordsTest, CapitalisedWordGetsCapitalisedSuggestions)
{
    folder.WriteLines("Spell.txt", {"London", "the"});
    LoadLists();
    Suggest("Teh");      // the: 14, not kept
    EXPECT_TRUE(SuggestionTexts().empty());
    Suggest("The");      // scored against "the" (20), handed out capitalised
    EXPECT_EQ(SuggestionTexts(), std::vector<std::string>{"The"});
    EXPECT_EQ(SpellTables.SuggestionList.slotScore[1], 20);
    Suggest("london");
    EXPECT_EQ(SuggestionTexts(), std::vector<std::string>{"London"});
    EXPECT_EQ(SpellTables.SuggestionList.slotScore[1], 66);
}

TEST_F(SuggestWordsTest, WordsWithoutLetterSlotScanOnlyTheLocalList)
{
    folder.WriteLines("Spell.txt", {"a1bc", "abcd"});
    folder.WriteLines("Local.txt", {"1abcd"});
    LoadLists();
    Suggest("1abc");
    EXPECT_EQ(SuggestionTexts(), std::vector<std::string>{"1abcd"});
    Suggest("'bcde");   // from five characters the second scan still runs: "_bcde" scores 18
    EXPECT_EQ(SuggestionTexts(), (std::vector<std::string>{"1abcd", "abcd"}));
    EXPECT_EQ(SpellTables.SuggestionList.slotScore[2], 18);
}

TEST_F(SuggestWordsTest, PrefixVariantsAreScannedFirstInTableOrder)
{
    folder.WriteLines("Spell.txt", {"fantastic", "phantasm"});
    folder.WriteLines("Prefix.txt", {"# comment", PrefixRow("ph", "f"), PrefixRow("phantastic", "q"),
                                     PrefixRow("", "x"), PrefixRow("fan", "phan")});
    LoadLists();
    ASSERT_EQ(SpellTables.PrefixCount, 4);
    // "phantastic": row 1 gives "fantastic" (found with a perfect score); row 2's from-text is as
    // long as the word but row 3's empty one matches and gives "xphantastic".
    FreshPool(1);
    Suggest("phantastic");
    EXPECT_EQ(SuggestionAt(1), "fantastic");
    EXPECT_EQ(SuggestionAt(2), "phantasm");

    // "fantasm" goes through row 4 ("phantasm" with a perfect score) before the word itself is
    // scanned; the pool keeps the first score.
    Suggest("fantasm");
    EXPECT_EQ(SuggestionAt(1), "phantasm");
    EXPECT_EQ(SuggestionAt(2), "fantastic");
}

TEST_F(SuggestWordsTest, PrefixRowLongerThanTheWordNeverMatches)
{
    folder.WriteLines("Spell.txt", {"xab"});
    folder.WriteLines("Prefix.txt", {PrefixRow("abc", "xab")});
    LoadLists();
    Suggest("ab");
    EXPECT_TRUE(SuggestionTexts().empty());
    Suggest("abc");
    EXPECT_EQ(SuggestionTexts(), std::vector<std::string>{"xab"});
}

TEST_F(SuggestWordsTest, BlankPrefixRowScansTheWordOnceMore)
{
    folder.WriteLines("Spell.txt", {"bcd"});
    folder.WriteLines("Prefix.txt", {""});
    LoadLists();
    ASSERT_EQ(SpellTables.PrefixCount, 1);
    ASSERT_EQ(SpellTables.PrefixFromLength[1], 0);
    Suggest("bcdx");
    EXPECT_EQ(SuggestionTexts(), std::vector<std::string>{"bcd"});
}

TEST_F(SuggestWordsTest, WildWordsOnlyGoThroughTheWildcardSearch)
{
    folder.WriteLines("Spell.txt", {"cat", "cot", "fat"});
    folder.WriteLines("Prefix.txt", {PrefixRow("k", "f")});
    LoadLists();
    Suggest("k?t");      // the variant f?t finds fat; the word itself finds nothing
    EXPECT_EQ(SuggestionTexts(), std::vector<std::string>{"fat"});
    Suggest("c*tt");     // no scoring scans, no deletions
    EXPECT_TRUE(SuggestionTexts().empty());
    Suggest("?");        // a one-character pattern is still searched
    EXPECT_TRUE(SuggestionTexts().empty());
    Suggest("c??");
    EXPECT_EQ(SuggestionTexts(), (std::vector<std::string>{"cat", "cot"}));
}

TEST_F(SuggestWordsTest, EachCallStartsFromAnEmptyPool)
{
    folder.WriteLines("Spell.txt", {"cat", "dog"});
    LoadLists();
    Suggest("catt");
    EXPECT_EQ(SuggestionTexts(), std::vector<std::string>{"cat"});
    Suggest("dogg");
    EXPECT_EQ(SuggestionTexts(), std::vector<std::string>{"dog"});
    EXPECT_EQ(PoolCount(), 1);
    for (int r = 2; r <= 288; r++)
        ASSERT_EQ(SpellTables.SuggestionList.slotScore[r], 0);
}

} // namespace
