#include <gtest/gtest.h>

#include <deque>

#include "debug_listings.h"
#include "listing_box.h"
#include "suggestion_test_support.h"

namespace {

struct ShownBox {
    std::string text;
    std::string caption;
    unsigned style;
    bool hasOwner;
};

std::vector<ShownBox> Shown;
std::deque<int> Answers;   // answers in turn; Yes (6) once they run out

int RecordingBox(void* owner, const char* text, const char* caption, unsigned style)
{
    Shown.push_back({text, caption, style, owner != nullptr});
    if (Answers.empty())
        return 6;
    int answer = Answers.front();
    Answers.pop_front();
    return answer;
}

const int No = 7;
const int Cancel = 2;

int LineCount(const std::string& text)
{
    return static_cast<int>((text.size() + 1) / 44);
}

// First number of a page's first line.
int FirstPosition(const ShownBox& box)
{
    return std::stoi(box.text.substr(0, 4));
}

class DebugListings : public ::testing::Test {
protected:
    ListFolder folder;
    void SetUp() override
    {
        FreshPool(1);
        Shown.clear();
        Answers.clear();
        SetListingBoxFunction(RecordingBox);
    }
    void TearDown() override { SetListingBoxFunction(nullptr); }

    // Sixty candidates above the listing's threshold, with a low one in between.
    void FillSixty()
    {
        for (int k = 1; k <= 61; k++)
            AppendCandidate(Word("word" + std::to_string(k)), static_cast<int16_t>(k == 30 ? 4 : 20));
    }
};

TEST_F(DebugListings, UnsortedPagesOf25WithTheRestOnAnOkPage)
{
    FillSixty();
    ShowUnsortedListing();
    ASSERT_EQ(Shown.size(), 3u);
    EXPECT_EQ(LineCount(Shown[0].text), 25);
    EXPECT_EQ(LineCount(Shown[1].text), 25);
    EXPECT_EQ(LineCount(Shown[2].text), 10);
    EXPECT_EQ(Shown[0].text.size(), 1099u);                     // final line feed dropped
    EXPECT_EQ(Shown[2].text.substr(Shown[2].text.size() - 2), "\r\n");
    EXPECT_EQ(Shown[0].style, 0x10003u);
    EXPECT_EQ(Shown[2].style, 0x10001u);
    EXPECT_EQ(Shown[0].caption, "DEBUG 1: Unsorted");
    EXPECT_FALSE(Shown[0].hasOwner);
    // The low-scored candidate 30 is left out: the second page runs from 26 to 51.
    EXPECT_EQ(FirstPosition(Shown[1]), 26);
    EXPECT_EQ(Shown[1].text.find("  30\t"), std::string::npos);
    EXPECT_EQ(std::stoi(Shown[1].text.substr(24 * 44, 4)), 51);
    EXPECT_EQ(Shown[0].text.substr(0, 44), "   1\t  20\tword1" + std::string(27, ' ') + "\r\n");
}

TEST_F(DebugListings, NoGoesBackFiftyPositionsAndCancelEnds)
{
    FillSixty();
    Answers = {6, No, Cancel};
    ShowUnsortedListing();
    ASSERT_EQ(Shown.size(), 3u);
    EXPECT_EQ(FirstPosition(Shown[1]), 26);
    // No on the page that ended at 51 carries on with position 2: the first page shifted by one.
    EXPECT_EQ(FirstPosition(Shown[2]), 2);

    Shown.clear();
    Answers = {No, Cancel};
    ShowUnsortedListing();
    ASSERT_EQ(Shown.size(), 2u);
    EXPECT_EQ(Shown[1].text, Shown[0].text);   // back to the start: the first page again
}

TEST_F(DebugListings, SortedListingAlwaysShows288Lines)
{
    AppendCandidate(Word("fit"), 30);
    SelectSuggestions();
    ShowSortedListing();
    ASSERT_EQ(Shown.size(), 12u);
    for (int i = 0; i < 11; i++)
        EXPECT_EQ(LineCount(Shown[i].text), 25);
    EXPECT_EQ(LineCount(Shown[11].text), 13);
    EXPECT_EQ(Shown[11].style, 0x10001u);
    EXPECT_EQ(Shown[0].caption, "DEBUG 2: Sorted");
    EXPECT_EQ(Shown[0].text.substr(0, 15), "   1\t  30\tfit  ");
    EXPECT_EQ(Shown[11].text.substr(0, 15), " 276\t   0\tfit  ");
}

TEST_F(DebugListings, NumbersTooWideShowAsAsterisks)
{
    AppendCandidate(Word("big"), 12345);
    ShowUnsortedListing();
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_EQ(Shown[0].text.substr(0, 10), "   1\t****\t");
}

TEST_F(DebugListings, ReservedWordsSwitchTheListingsAndKeepTheList)
{
    folder.WriteLines("Spell.txt", {"tech", "the"});
    LoadLists();
    Suggest("teh");
    ASSERT_EQ(SuggestionTexts(), (std::vector<std::string>{"the", "tech"}));
    EXPECT_TRUE(Shown.empty());

    Suggest("debugon");
    EXPECT_EQ(SpellTables.DebugListings, 1);
    EXPECT_EQ(SuggestionTexts(), (std::vector<std::string>{"the", "tech"}));
    EXPECT_TRUE(Shown.empty());

    Suggest("teh");
    ASSERT_EQ(Shown.size(), 13u);   // one unsorted page, then 12 sorted pages
    EXPECT_EQ(Shown[0].caption, "DEBUG 1: Unsorted");
    EXPECT_EQ(LineCount(Shown[0].text), 2);

    Shown.clear();
    Suggest("Debugoff");            // an ordinary word
    EXPECT_EQ(SpellTables.DebugListings, 1);
    Suggest("debugoff");
    EXPECT_EQ(SpellTables.DebugListings, 0);
    Shown.clear();
    Suggest("teh");
    EXPECT_TRUE(Shown.empty());
}

TEST_F(DebugListings, DebugOnAsTheFirstWordLeavesNothingToRead)
{
    Suggest("debugon");
    EXPECT_TRUE(SuggestionTexts().empty());
    SetListingBoxFunction(nullptr);
    Suggest("debugoff");
}

} // namespace
