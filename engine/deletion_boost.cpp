#include "deletion_boost.h"

#include <cstring>

#include "candidate_pool.h"
#include "scoring_rules.h"
#include "spell_tables.h"

namespace {

// The word without the characters at positions i .. i + count - 1, blank-padded.
WordField WithoutChars(const WordField& word, int i, int count)
{
    WordField shorter;
    FillBlanks(shorter);
    std::memcpy(shorter.ch, word.ch, static_cast<size_t>(i - 1));
    int from = i + count;   // 1-based position of the first character kept after the gap
    if (from <= WordWidth)
        std::memcpy(shorter.ch + i - 1, word.ch + from - 1, static_cast<size_t>(WordWidth - from + 1));
    return shorter;
}

void RaiseScore(const WordField& text, int16_t extra)
{
    int16_t p = 0;
    if (!FindCandidate(text, p))
        return;
    int16_t& score = SpellTables.CandidatePool.scores[p];
    int raised = score + score / BoostDivisor + extra;
    score = static_cast<int16_t>(raised < BoostCeiling ? raised : BoostCeiling);
}

} // namespace

void BoostDeletions(const WordField& word)
{
    int16_t n = TrimmedLength(word);
    for (int i = 2; i <= n; i++) {
        RaiseScore(WithoutChars(word, i, 1), SingleDeletionExtra);
        if (n >= DoubleDeletionsFrom)
            RaiseScore(WithoutChars(word, i, 2), DoubleDeletionExtra);
    }
}
