#include "other_initial_scan.h"

#include <algorithm>

#include "bit_sets.h"
#include "candidate_scoring.h"
#include "main_list_profile.h"
#include "passing_over.h"
#include "score_bound.h"
#include "scoring_rules.h"
#include "spell_tables.h"

namespace {

// Per block of 64 entries, those that may hold the word's tail, and its middle.
uint64_t TailHolders[MainBlockCount];
uint64_t MiddleHolders[MainBlockCount];

// Whether the first hayLength characters of hay hold the needle; an empty needle they always hold.
bool HoldsText(const char* needle, int needleLength, const char* hay, int hayLength)
{
    const char* end = hay + hayLength;
    return needleLength == 0 || std::search(hay, end, needle, needle + needleLength) != end;
}

} // namespace

// An entry is scored only when it holds the word's tail or middle, which needs at least their
// characters and their pairs of adjacent characters: only such entries are visited, in list order.
// Entries against which the masked word (of length n too) cannot score enough are passed over as well.
void ScanOtherInitials(const WordField& word, PassingOver* passing)
{
    int16_t n = TrimmedLength(word);
    if (n < OtherInitialsFrom)
        return;
    int h = (n + 1) / 2;
    int tailLength = TrimmedLength(word.ch + h, WordWidth - h);
    uint64_t tailMask = CharacterMask(word.ch + h, tailLength);
    uint64_t tailPairs = PairMask(word.ch + h, tailLength);
    int q = h / 2 + 1;
    int midLength = TrimmedLength(word.ch + q - 1, h);
    uint64_t midMask = CharacterMask(word.ch + q - 1, midLength);
    uint64_t midPairs = PairMask(word.ch + q - 1, midLength);
    WordField masked = word;   // the first letter masked: an underscore meets no letter
    masked.ch[0] = '_';
    WordProfile profile;
    ProfileWord(masked, n, profile);
    int kept = KeptScore(2);
    int32_t lastBlock = SpellTables.MainCount / 64;
    EntriesHoldingText(tailMask, tailPairs, lastBlock, TailHolders);
    EntriesHoldingText(midMask, midPairs, lastBlock, MiddleHolders);
    for (int32_t block = 0; block <= lastBlock; block++) {
        uint64_t entries = TailHolders[block] | MiddleHolders[block];
        for (; entries != 0; entries &= entries - 1) {
            int32_t k = block * 64 + LowestBitIndex(entries);
            if (k < 1 || k > SpellTables.MainCount)
                continue;
            const WordField& stored = SpellTables.MainWords[k];
            if (stored.ch[0] == word.ch[0])
                continue;
            int16_t m = MainEntryLength(k);
            int threshold = ScoreWorthSeeking(passing, kept, masked, n, stored, m);
            if (!MayReachScore(profile, stored, m, threshold))
                continue;
            if (!HoldsText(word.ch + h, tailLength, stored.ch, m) &&
                !HoldsText(word.ch + q - 1, midLength, stored.ch, m))
                continue;
            // A score below the kept one would leave the pool as it is.
            int16_t score = EvaluatedScore(masked, n, stored, m);
            if (score >= kept)
                OfferMainEntry(k, score);
        }
    }
}
