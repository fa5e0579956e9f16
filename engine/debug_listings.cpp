#include "debug_listings.h"

#include <cstdio>
#include <cstring>

#include "listing_box.h"
#include "scoring_rules.h"
#include "spell_tables.h"

namespace {

const int LineLength = 44;          // "nnnn\tnnnn\t" + 32 characters + CR LF
const int LinesPerPage = 25;
const int PageBackStep = 50;

struct ListingPage {
    char text[LinesPerPage * LineLength + 1];
    int lines;
};

ListingPage Page;

// Right-aligned in four characters; "****" when it does not fit.
void PutNumber(char* at, int value)
{
    char digits[16];
    bool fits = std::snprintf(digits, sizeof digits, "%4d", value) <= 4;
    std::memcpy(at, fits ? digits : "****", 4);
}

void AddLine(int first, int second, const WordField& text)
{
    char* line = Page.text + Page.lines * LineLength;
    PutNumber(line, first);
    line[4] = '\t';
    PutNumber(line + 5, second);
    line[9] = '\t';
    std::memcpy(line + 10, text.ch, WordWidth);
    line[42] = '\r';
    line[43] = '\n';
    Page.lines++;
}

// Shows a full page (without its final line feed). Gives the position to carry on after, or -1 to end.
int ShowFullPage(const char* caption, int position)
{
    Page.text[LinesPerPage * LineLength - 1] = '\0';
    int answer = ShowListingBox(nullptr, Page.text, caption, ListingBoxYesNoCancel | ListingBoxToForeground);
    Page.lines = 0;
    if (answer == ListingBoxCancelAnswer)
        return -1;
    if (answer == ListingBoxNoAnswer)
        return position > PageBackStep ? position - PageBackStep : 0;
    return position;
}

void ShowLastPage(const char* caption)
{
    if (Page.lines == 0)
        return;
    Page.text[Page.lines * LineLength] = '\0';
    ShowListingBox(nullptr, Page.text, caption, ListingBoxOkCancel | ListingBoxToForeground);
    Page.lines = 0;
}

WordField SlotText(int16_t position)
{
    WordField text;
    FillBlanks(text);
    if (position >= 1 && position <= PoolCapacity)
        text = SpellTables.CandidatePool.texts[position];
    return text;
}

} // namespace

void ShowUnsortedListing()
{
    const char* caption = "DEBUG 1: Unsorted";
    const CandidatePoolTable& pool = SpellTables.CandidatePool;
    Page.lines = 0;
    for (int k = 1; k <= pool.count; k++) {
        if (pool.scores[k] <= ListedScoreAbove)
            continue;
        AddLine(k, pool.scores[k], pool.texts[k]);
        if (Page.lines == LinesPerPage) {
            k = ShowFullPage(caption, k);
            if (k < 0)
                return;
        }
    }
    ShowLastPage(caption);
}

void ShowSortedListing()
{
    const char* caption = "DEBUG 2: Sorted";
    const SuggestionListTable& list = SpellTables.SuggestionList;
    Page.lines = 0;
    for (int r = 1; r <= SuggestionSlots; r++) {
        AddLine(r, list.slotScore[r], SlotText(list.slotIndex[r]));
        if (Page.lines == LinesPerPage) {
            r = ShowFullPage(caption, r);
            if (r < 0)
                return;
        }
    }
    ShowLastPage(caption);
}
