#include "found_candidates.h"

#include "main_list_profile.h"
#include "passing_over.h"
#include "scoring_rules.h"
#include "suggestion_internals.h"

void ClearFound(FoundCandidates& found)
{
    found.count = 0;
    found.overflowed = false;
}

void RecordFound(FoundCandidates& found, int32_t k, int16_t score)
{
    if (found.count >= FoundCapacity) {
        found.overflowed = true;
        return;
    }
    found.entries[found.count] = k;
    found.scores[found.count] = score;
    found.count++;
}

namespace {

void OfferMainEntry(int32_t k, int16_t score)
{
    WordField entry = SpellTables.MainWords[k];   // the offer may capitalise its copy
    OfferCandidate(entry, score);
}

} // namespace

void OfferOrRecord(FoundCandidates* record, int32_t k, int16_t score)
{
    if (record != nullptr)
        RecordFound(*record, k, score);
    else
        OfferMainEntry(k, score);
}

void OfferFound(const FoundCandidates& found, int16_t scanPass, const WordField& word, int16_t n)
{
    SpellTables.CandidatePool.scanPass = scanPass;
    int kept = KeptScore(scanPass);
    for (int32_t i = 0; i < found.count; i++) {
        int32_t k = found.entries[i];
        if (found.scores[i] >= ScoreWorthSeeking(kept, word, n, SpellTables.MainWords[k], MainEntryLength(k)))
            OfferMainEntry(k, found.scores[i]);
    }
}
