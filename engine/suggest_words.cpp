#include "suggest_words.h"

#include <cstring>

#include "candidate_pool.h"
#include "candidate_scoring.h"
#include "debug_listings.h"
#include "deletion_boost.h"
#include "initial_run_scan.h"
#include "other_initial_scan.h"
#include "passing_over.h"
#include "score_bound.h"
#include "scoring_rules.h"
#include "spell_tables.h"
#include "suggestion_list.h"
#include "wildcard_search.h"

namespace {

bool WholePoolKept = false;

bool IsReservedWord(const WordField& word, const char* reserved)
{
    WordField field;
    CopyToField(field.ch, WordWidth, reserved, static_cast<int>(std::strlen(reserved)));
    return SameWord(word, field);
}

// The word with the prefix row's from-text replaced by its to-text, when the word begins with it.
bool PrefixVariant(const WordField& word, int r, WordField& variant)
{
    int fromLength = SpellTables.PrefixFromLength[r];
    if (std::memcmp(word.ch, SpellTables.PrefixFrom[r], static_cast<size_t>(fromLength)) != 0)
        return false;
    int toLength = SpellTables.PrefixToLength[r];
    char joined[PrefixTextWidth + WordWidth];
    std::memcpy(joined, SpellTables.PrefixTo[r], static_cast<size_t>(toLength));
    std::memcpy(joined + toLength, word.ch + fromLength, static_cast<size_t>(WordWidth - fromLength));
    CopyToField(variant.ch, WordWidth, joined, toLength + WordWidth - fromLength);
    return true;
}

// The same-initial scan's first step: the word of length n against each local word, in their order.
void OfferLocalWords(const WordField& word, int16_t n)
{
    for (int32_t j = 1; j <= SpellTables.LocalCount; j++) {
        WordField entry = SpellTables.LocalWords[j];
        EvaluateCandidate(word, n, entry, TrimmedLength(entry));
    }
}

// The same-initial scan: the local words, then the runs of the word's first letter in both cases;
// passing, when given, lets the run of the word's own first letter pass over what cannot be selected.
void ScanSameInitialRuns(const WordField& word, PassingOver* passing)
{
    SpellTables.CandidatePool.scanPass = 1;
    int16_t n = TrimmedLength(word);
    if (n <= 1)
        return;
    OfferLocalWords(word, n);
    WordProfile profile;
    ProfileWord(word, n, profile);
    char ch = word.ch[0];
    ScanInitialRun(word, profile, ch, passing);
    char other = ch;   // the other case of a letter, any other character as it is
    ChangeCase(IsLowerLetter(ch) ? UpperCaseMode : LowerCaseMode, &other, 1);
    ScanInitialRun(word, profile, other, nullptr);
}

// Fills the pool for the word; false when passing over may have left out what a full pool would drop.
bool FillCandidatePool(const WordField& word, bool wild, bool passOver)
{
    ResetCandidatePool();
    for (int r = 1; r <= SuggestionSlots; r++)
        SpellTables.SuggestionList.slotScore[r] = 0;
    for (int r = 1; r <= SpellTables.PrefixCount; r++) {
        WordField variant;
        if (!PrefixVariant(word, r, variant))
            continue;
        if (wild)
            WildcardSearch(variant);
        else
            ScanSameInitial(variant);
    }
    if (wild) {
        WildcardSearch(word);
        return true;
    }
    int16_t n = TrimmedLength(word);
    if (n <= 1) {
        SpellTables.CandidatePool.scanPass = 2;
        return true;
    }
    PassingOver passing = {0};
    PassingOver* mayPass = passOver ? &passing : nullptr;
    ScanSameInitialRuns(word, mayPass);
    SpellTables.CandidatePool.scanPass = 2;
    ScanOtherInitials(word, mayPass);
    if (n >= SingleDeletionsFrom)
        BoostDeletions(word);
    return !passOver || SpellTables.CandidatePool.count + passing.visited < PoolCapacity;
}

} // namespace

void KeepWholeCandidatePool(bool keep)
{
    WholePoolKept = keep;
}

void SuggestWords(const WordField& word)
{
    SpellTables.QueryWord = word;
    if (IsReservedWord(word, "debugon")) {
        SpellTables.DebugListings = 1;
        return;
    }
    if (IsReservedWord(word, "debugoff")) {
        SpellTables.DebugListings = 0;
        return;
    }
    bool wild = HasWildcard(word);
    bool passOver = !WholePoolKept && SpellTables.DebugListings != 1 && !wild && !IsUpperLetter(word.ch[0]);
    // The pool might have filled: then done again in full.
    if (!FillCandidatePool(word, wild, passOver))
        FillCandidatePool(word, wild, false);

    if (SpellTables.DebugListings == 1)
        ShowUnsortedListing();
    SelectSuggestions();
    if (SpellTables.DebugListings == 1)
        ShowSortedListing();
}

void ScanSameInitial(const WordField& word)
{
    ScanSameInitialRuns(word, nullptr);
}
