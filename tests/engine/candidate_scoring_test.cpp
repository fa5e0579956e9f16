#include <gtest/gtest.h>

#include "suggestion_test_support.h"

namespace {

class CandidateScoring : public ::testing::Test {
protected:
    ListFolder folder;
    void SetUp() override { FreshPool(1); }
};

TEST_F(CandidateScoring, ShortWordsScoreByPositionsAndEqualLength)
{
    Evaluate("teh", "the");
    ASSERT_EQ(PoolCount(), 1);
    EXPECT_EQ(PoolText(1), "the");
    EXPECT_EQ(PoolScore(1), 21);

    FreshPool(1);
    Evaluate("cat", "cast");
    ASSERT_EQ(PoolCount(), 1);
    EXPECT_EQ(PoolScore(1), 16);

    FreshPool(2);
    Evaluate("cat", "cast");
    ASSERT_EQ(PoolCount(), 1);
    EXPECT_EQ(PoolScore(1), 16);
}

TEST_F(CandidateScoring, CapitalMatchDoublesAfterMissingLetters)
{
    Evaluate("london", "London");
    ASSERT_EQ(PoolCount(), 1);
    EXPECT_EQ(PoolText(1), "London");
    EXPECT_EQ(PoolScore(1), 66);
}

TEST_F(CandidateScoring, LongWordsAreAlignedAlongTheEntry)
{
    WordField aligned;
    int16_t placed = 0;
    AlignWord(Word("acomodate"), 9, Word("accommodate"), 11, aligned, placed);
    EXPECT_EQ(Text(aligned), "ac_om_odate");
    EXPECT_EQ(placed, 9);
    AlignWord(Word("recieve"), 7, Word("receive"), 7, aligned, placed);
    EXPECT_EQ(Text(aligned), "rec_i_e");
    EXPECT_EQ(placed, 5);

    Evaluate("acomodate", "accommodate");
    ASSERT_EQ(PoolCount(), 1);
    EXPECT_EQ(PoolScore(1), 60);
    FreshPool(1);
    Evaluate("recieve", "receive");
    ASSERT_EQ(PoolCount(), 1);
    EXPECT_EQ(PoolScore(1), 34);
}

TEST_F(CandidateScoring, AlignmentMarksFarLettersWithoutUsingThemUp)
{
    // 'z' lies four positions away: a hyphen at the word's position, and the entry's letters before
    // it stay free, so 'b' is still found at 2. 'e' is one off and lands on the entry's position.
    WordField aligned;
    int16_t placed = 0;
    AlignWord(Word("zbcdefgh"), 8, Word("abcdzefgh"), 9, aligned, placed);
    EXPECT_EQ(Text(aligned), "-bcd_efgh");
    EXPECT_EQ(placed, 8);
    // A near letter whose follower lies far off is not placed: 'b' (one off) is followed by 'x',
    // found six positions from it; 'x' itself then gets a hyphen.
    AlignWord(Word("abxdefgh"), 8, Word("cabdefghx"), 9, aligned, placed);
    EXPECT_EQ(Text(aligned), "_a-defgh_");
    EXPECT_EQ(placed, 7);
}

TEST_F(CandidateScoring, LengthGateRefusesBeforeScoring)
{
    Evaluate("ab", "abcde");          // difference 3 with a short word
    Evaluate("abcdef", "abcdefghijk"); // difference 5, too short to be aligned
    EXPECT_EQ(PoolCount(), 0);
    Evaluate("abcdef", "abc");        // difference 3 passes from six letters on: 7 + 6 + 6
    ASSERT_EQ(PoolCount(), 1);
    EXPECT_EQ(PoolScore(1), 19);
    // An aligned word is scored with the entry's length, so the gate no longer sees the difference:
    // 7 + 6 * 6 for the letters, five entry letters missing (-10), equal length (+5).
    FreshPool(1);
    Evaluate("abcdefg", "abcdefgvwxyz");
    ASSERT_EQ(PoolCount(), 1);
    EXPECT_EQ(PoolScore(1), 38);
}

TEST_F(CandidateScoring, CapitalisedQueryCapitalisesTheEntryOnlyWhenKept)
{
    WordField entry = Word("the");
    SpellTables.QueryWord = Word("Teh");
    ScoreCandidate(Word("Teh"), 3, entry, 3);
    EXPECT_EQ(PoolCount(), 0);            // 14 is below 15
    EXPECT_EQ(Text(entry), "The");       // the caller's copy was capitalised

    // A capitalised text already held is refused even though the stored entry differs.
    FreshPool(1);
    AppendCandidate(Word("The"), 40);
    Evaluate("Thw", "the");
    EXPECT_EQ(PoolCount(), 1);
    EXPECT_EQ(PoolScore(1), 40);
}

TEST_F(CandidateScoring, SecondScanNeedsSixteen)
{
    Evaluate("cta", "chat");
    ASSERT_EQ(PoolCount(), 1);
    EXPECT_EQ(PoolScore(1), 15);
    FreshPool(2);
    Evaluate("cta", "chat");
    EXPECT_EQ(PoolCount(), 0);
}

TEST_F(CandidateScoring, PoolKeepsFirstScoreAndCapacity)
{
    Evaluate("cat", "cast");
    Evaluate("cast", "cast");   // would score far higher
    ASSERT_EQ(PoolCount(), 1);
    EXPECT_EQ(PoolScore(1), 16);

    FreshPool(1);
    for (int k = 1; k <= PoolCapacity; k++)
        AppendCandidate(Word("w" + std::to_string(k)), 20);
    ASSERT_EQ(PoolCount(), PoolCapacity);
    Evaluate("london", "London");
    AppendCandidate(Word("extra"), 100);
    EXPECT_EQ(PoolCount(), PoolCapacity);
    int16_t position = -1;
    EXPECT_FALSE(FindCandidate(Word("London"), position));
    EXPECT_EQ(position, 0);
    EXPECT_TRUE(FindCandidate(Word("w32600"), position));
    EXPECT_EQ(position, PoolCapacity);
}

} // namespace
