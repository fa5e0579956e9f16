#include <gtest/gtest.h>

#include <cstring>

#include "suggestion_test_support.h"

namespace {

class SuggestionList : public ::testing::Test {
protected:
    ListFolder folder;
    void SetUp() override { FreshPool(1); }
};

TEST_F(SuggestionList, EmptyPoolGivesOnlyEmptySuggestions)
{
    SelectSuggestions();
    EXPECT_TRUE(SuggestionTexts().empty());
    EXPECT_EQ(SpellTables.SuggestionList.slotIndex[288], 1);
    EXPECT_EQ(SpellTables.SuggestionList.slotScore[1], 0);
}

TEST_F(SuggestionList, BestFirstTiesInPoolOrderThenRepeatsOfTheLast)
{
    AppendCandidate(Word("fig"), 20);
    AppendCandidate(Word("fit"), 30);
    AppendCandidate(Word("fib"), 20);
    SelectSuggestions();
    const SuggestionListTable& list = SpellTables.SuggestionList;
    EXPECT_EQ(SuggestionAt(1), "fit");
    EXPECT_EQ(SuggestionAt(2), "fig");
    EXPECT_EQ(SuggestionAt(3), "fib");
    EXPECT_EQ(list.slotScore[1], 30);
    EXPECT_EQ(list.slotScore[3], 20);
    for (int r = 4; r <= 288; r++) {
        EXPECT_EQ(list.slotIndex[r], 3);
        EXPECT_EQ(list.slotScore[r], 0);
        EXPECT_EQ(SuggestionAt(static_cast<int16_t>(r)), "");
    }
    // The picked candidates' pool scores are spent.
    EXPECT_EQ(PoolScore(1), 0);
    EXPECT_EQ(PoolScore(2), 0);
    EXPECT_EQ(PoolScore(3), 0);
}

TEST_F(SuggestionList, OnlyThe288BestAreKept)
{
    for (int k = 1; k <= 300; k++)
        AppendCandidate(Word("w" + std::to_string(k)), static_cast<int16_t>(k % 7 + 1));
    SelectSuggestions();
    const SuggestionListTable& list = SpellTables.SuggestionList;
    EXPECT_EQ(list.slotScore[1], 7);
    EXPECT_EQ(SuggestionAt(1), "w6");
    EXPECT_EQ(SuggestionAt(2), "w13");
    // 300 candidates with scores 1..7: the 12 left over are the last ones scoring 1.
    EXPECT_EQ(list.slotScore[288], 1);
    EXPECT_EQ(SuggestionAt(288), "w210");
    EXPECT_EQ(PoolScore(217), 1);
}

TEST_F(SuggestionList, IndexesOutsideTheSlotsGiveTheEmptySuggestion)
{
    AppendCandidate(Word("fit"), 30);
    SelectSuggestions();
    for (int16_t index : {int16_t(0), int16_t(-1), int16_t(289), int16_t(-32768)}) {
        char out[WordWidth];
        std::memset(out, 'x', sizeof out);
        GetSuggestion(index, out);
        EXPECT_EQ(out[0], '\0');
        EXPECT_EQ(std::string(out + 1, WordWidth - 1), std::string(WordWidth - 1, ' '));
    }
}

TEST_F(SuggestionList, FullLengthCandidateLosesItsLastCharacter)
{
    std::string full(32, 'q');
    AppendCandidate(Word(full), 30);
    SelectSuggestions();
    EXPECT_EQ(SuggestionAt(1), std::string(31, 'q'));
}

TEST_F(SuggestionList, SlotsBeforeTheFirstSelectionPointAtNoCandidate)
{
    // Fresh tables: every slot holds pool position 0, which lies outside the pool.
    ASSERT_EQ(SpellTables.SuggestionList.slotIndex[1], 0);
    std::memset(SpellTables.CandidatePool.texts[0].ch, 'z', WordWidth);
    EXPECT_TRUE(SuggestionTexts().empty());
    SpellTables.SuggestionList.slotIndex[5] = PoolCapacity + 1;
    EXPECT_EQ(SuggestionAt(5), "");
}

TEST_F(SuggestionList, PrepareCollapsesRunsInTheFirstWordOnly)
{
    auto prepared = [](const std::string& text) {
        WordField out;
        PrepareSuggestionWord(Word(text), out);
        return Text(out);
    };
    EXPECT_EQ(prepared("helllo"), "hello");
    EXPECT_EQ(prepared("aaaa"), "aa");
    EXPECT_EQ(prepared("HELLLO"), "HELLLO");
    EXPECT_EQ(prepared("don''t"), "don't");
    EXPECT_EQ(prepared("a''''b"), "a'b");
    EXPECT_EQ(prepared("ab cccc"), "ab cccc");
    EXPECT_EQ(prepared("b''' cc''"), "b' cc''");
    EXPECT_EQ(prepared(std::string(32, 'e')), "ee");
    EXPECT_EQ(prepared("xxx''yyyy"), "xx'yy");
}

} // namespace
