#include <gtest/gtest.h>

#include <string>

#include "suggestion_test_support.h"

namespace {

class CandidateScoring : public ::testing::Test {
protected:
    ListFolder folder;
    void SetUp() override { FreshPool(1); }
};

// Scores WORD against ENTRY in a fresh pool of the given scan pass: the entry alone is kept, at SCORE.
void ExpectKeptAlone(int16_t scanPass, const std::string& word, const std::string& entry, int16_t score)
{
    SCOPED_TRACE(word + " ~ " + entry);
    FreshPool(scanPass);
    Evaluate(word, entry);
    ASSERT_EQ(PoolCount(), 1);
    EXPECT_EQ(PoolText(1), entry);
    EXPECT_EQ(PoolScore(1), score);
}

// Aligns WORD along ENTRY (each with its own length): the aligned text and the letters placed.
void ExpectAligned(const std::string& word, const std::string& entry, const std::string& aligned,
                   int16_t placed)
{
    SCOPED_TRACE(word + " ~ " + entry);
    WordField result;
    int16_t resultPlaced = 0;
    AlignWord(Word(word), static_cast<int16_t>(word.size()), Word(entry), static_cast<int16_t>(entry.size()),
              result, resultPlaced);
    EXPECT_EQ(Text(result), aligned);
    EXPECT_EQ(resultPlaced, placed);
}

TEST_F(CandidateScoring, ShortWordsScoreByPositionsAndEqualLength)
{
    ExpectKeptAlone(1, "teh", "the", 21);
    ExpectKeptAlone(1, "cat", "cast", 16);
    ExpectKeptAlone(2, "cat", "cast", 16);
}

TEST_F(CandidateScoring, CapitalMatchDoublesAfterMissingLetters)
{
    ExpectKeptAlone(1, "london", "London", 66);
}

TEST_F(CandidateScoring, LongWordsAreAlignedAlongTheEntry)
{
    ExpectAligned("acomodate", "accommodate", "ac_om_odate", 9);
    ExpectAligned("recieve", "receive", "rec_i_e", 5);

    ExpectKeptAlone(1, "acomodate", "accommodate", 60);
    ExpectKeptAlone(1, "recieve", "receive", 34);
}

TEST_F(CandidateScoring, AlignmentMarksFarLettersWithoutUsingThemUp)
{
    // 'z' lies four positions away: a hyphen at the word's position, and the entry's letters before
    // it stay free, so 'b' is still found at 2. 'e' is one off and lands on the entry's position.
    ExpectAligned("zbcdefgh", "abcdzefgh", "-bcd_efgh", 8);
    // A near letter whose follower lies far off is not placed: 'b' (one off) is followed by 'x',
    // found six positions from it; 'x' itself then gets a hyphen.
    ExpectAligned("abxdefgh", "cabdefghx", "_a-defgh_", 7);
}

TEST_F(CandidateScoring, LengthGateRefusesBeforeScoring)
{
    Evaluate("ab", "abcde");          // difference 3 with a short word
    Evaluate("abcdef", "abcdefghijk"); // difference 5, too short to be aligned
    EXPECT_EQ(PoolCount(), 0);
    ExpectKeptAlone(1, "abcdef", "abc", 19);   // difference 3 passes from six letters on: 7 + 6 + 6
    // An aligned word is scored with the entry's length, so the gate no longer sees the difference:
    // 7 + 6 * 6 for the letters, five entry letters missing (-10), equal length (+5).
    ExpectKeptAlone(1, "abcdefg", "abcdefgvwxyz", 38);
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
    ExpectKeptAlone(1, "cta", "chat", 15);
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
