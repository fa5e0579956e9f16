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

void OfferFound(const FoundCandidates& found, int16_t scanPass, const WordField& word, int16_t n)
{
    SpellTables.CandidatePool.scanPass = scanPass;
    int kept = KeptScore(scanPass);
    for (int32_t i = 0; i < found.count; i++) {
        int32_t k = found.entries[i];
        const WordField& stored = SpellTables.MainWords[k];
        if (found.scores[i] < ScoreWorthSeeking(kept, word, n, stored, MainEntryLength(k)))
            continue;
        WordField entry = stored;
        OfferCandidate(entry, found.scores[i]);
    }
}
