#include "initial_run_scan.h"

#include <cstring>

#include "bit_sets.h"
#include "candidate_pool.h"
#include "candidate_scoring.h"
#include "main_list_columns.h"
#include "main_list_profile.h"
#include "passing_over.h"
#include "scoring_rules.h"
#include "spell_tables.h"

namespace {

// What the scan of one run needs to know.
struct RunScan {
    const WordField* word;
    const WordProfile* profile;
    ColumnQuery query;
    int16_t n;
    int kept;
    bool mayDouble;     // the pairs may earn the capital match
    bool boundsExact;   // the bounds are the plain pair's own figures
};

uint32_t LanesFrom(int lane)
{
    return lane <= 0 ? ~0u : ~((1u << lane) - 1);
}

// The score of entry j of the block, whose bounds reach the threshold, or -1 when it scores less.
int16_t RunEntryScore(const RunScan& scan, const BlockBounds& bounds, int j, int32_t k, int16_t m, int threshold)
{
    const WordField& stored = SpellTables.MainWords[k];
    if (!MayAlign(scan.n, m)) {
        if (scan.boundsExact && bounds.holdsInnerBlank[j] == 0)
            return static_cast<int16_t>(ScoreFromParts(bounds.points[j], scan.n, m, bounds.missing[j], false));
        int16_t exactScore = -1;
        if (!MayReachScore(*scan.profile, stored, m, threshold, &exactScore))
            return -1;
        if (exactScore >= 0)
            return exactScore;
    }
    // A pair that may be aligned has passed bounds as close as MayReachScore's: evaluated at once.
    return EvaluatedScore(*scan.word, scan.n, stored, m);
}

// The entries start..end begin with the character; end < start when none does.
struct InitialRun {
    int32_t start;
    int32_t end;
};

InitialRun FindInitialRun(char ch)
{
    InitialRun run = {1, 0};
    int slot = LetterSlot(static_cast<unsigned char>(ch));
    if (slot < 1 || slot > LetterSlotCount)
        return run;
    run.start = SpellTables.LetterStart[slot];
    if (run.start < 1)
        run.start = 1;   // the tables were never loaded
    for (int32_t block = run.start / ColumnBlockWidth; block < ColumnBlockCount; block++) {
        int32_t first = block * ColumnBlockWidth;
        uint32_t outside = ~BlockEntriesBeginningWith(block, ch) & LanesFrom(run.start - first) &
                           ((1u << ColumnBlockWidth) - 1);
        if (outside != 0) {
            run.end = first + LowestBitIndex(outside) - 1;
            return run;
        }
    }
    run.end = ColumnBlockCount * ColumnBlockWidth - 1;
    return run;
}

} // namespace

// Sixteen entries at a time: only entries whose bounds may reach the kept score (and, passing over,
// the least selectable score) are looked at closer, and pairs that are never aligned are scored from
// the bounds directly. The least selectable score is taken once a block: it only grows, so an older one
// passes over less.
void ScanInitialRun(const WordField& word, const WordProfile& profile, char ch, PassingOver* passing)
{
    InitialRun run = FindInitialRun(ch);
    if (run.end < run.start)
        return;
    RunScan scan;
    scan.word = &word;
    scan.profile = &profile;
    scan.n = profile.n;
    PrepareColumnQuery(word, scan.n, scan.query);
    scan.kept = KeptScore(1);
    scan.mayDouble = IsLowerLetter(word.ch[0]) && ch == word.ch[0] - 'a' + 'A';
    // Where neither the word nor the entry holds a blank or a zero, the bounds are the plain pair's own
    // figures.
    scan.boundsExact = !scan.mayDouble && std::memchr(word.ch, ' ', static_cast<size_t>(scan.n)) == nullptr &&
                       std::memchr(word.ch, '\0', static_cast<size_t>(scan.n)) == nullptr;

    for (int32_t block = run.start / ColumnBlockWidth; block * ColumnBlockWidth <= run.end; block++) {
        int32_t first = block * ColumnBlockWidth;
        uint32_t lanes = LanesFrom(run.start - first) & ((1u << ColumnBlockWidth) - 1);
        if (run.end - first < ColumnBlockWidth - 1)
            lanes &= (1u << (run.end - first + 1)) - 1;
        BlockBounds bounds;
        BoundBlock(scan.query, block, bounds);
        lanes &= LanesMayReach(scan.query, bounds, scan.mayDouble, scan.kept);
        int selectable = scan.kept;
        uint32_t mayBeRaised = 0;   // one or two characters shorter than the word: the boost may raise them
        if (passing != nullptr && lanes != 0) {
            passing->visited += CountBits(lanes);
            selectable = LeastSelectableScore();
            if (selectable > scan.kept) {
                mayBeRaised = LanesOfLength(bounds, scan.n - 1) | LanesOfLength(bounds, scan.n - 2);
                lanes &= LanesMayReach(scan.query, bounds, scan.mayDouble, selectable) | mayBeRaised;
            }
        }
        for (; lanes != 0; lanes &= lanes - 1) {
            int j = LowestBitIndex(lanes);
            int32_t k = first + j;
            int16_t m = bounds.length[j];
            int threshold = selectable;
            if (((mayBeRaised >> j) & 1) != 0) {
                if (MayBeRaised(word, scan.n, SpellTables.MainWords[k], m))
                    threshold = scan.kept;
                else if (!MayReachScoreWithin(scan.n, m, bounds.points[j], bounds.placed[j], bounds.missing[j],
                                              scan.mayDouble, bounds.holdsMarks[j] != 0, selectable))
                    continue;
            }
            int16_t score = RunEntryScore(scan, bounds, j, k, m, threshold);
            if (score >= threshold)
                OfferMainEntry(k, score);
        }
    }
}
