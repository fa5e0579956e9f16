#include "candidate_pool.h"

#include <cstring>

#include "scoring_rules.h"
#include "spell_tables.h"

namespace {

// Open-addressing index from pool text to its first pool position, so that FindCandidate need not
// scan the pool. Twice the pool's capacity rounded to a power of two keeps probe runs short.
const uint32_t IndexSize = 65536;
int16_t PoolTextIndex[IndexSize];   // 0: free, else a pool position
int16_t IndexedCount;              // pool positions 1..IndexedCount are in the index
uint16_t UsedSlots[PoolCapacity];  // the index slots in use, so that clearing costs what was filled
int16_t UsedSlotCount;
// Positions above this have stayed blank with score 0 since the last reset: the engine writes pool
// entries only up to the count.
int16_t HighestWritten = PoolCapacity;

// How many of the indexed positions hold each score, and the highest score that SuggestionSlots of
// them reach or pass (0 while fewer are held); ScoresAboveFloor counts those above it.
const int HighestCountedScore = BoostCeiling;
int32_t ScoreCounts[HighestCountedScore + 1];
int16_t SelectionFloor;
int32_t ScoresAboveFloor;

void CountScore(int16_t score)
{
    int s = score < 0 ? 0 : (score > HighestCountedScore ? HighestCountedScore : score);
    ScoreCounts[s]++;
    if (s <= SelectionFloor)
        return;
    ScoresAboveFloor++;
    while (ScoresAboveFloor >= SuggestionSlots) {
        SelectionFloor++;
        ScoresAboveFloor -= ScoreCounts[SelectionFloor];
    }
}

void ClearIndex()
{
    for (int16_t k = 0; k < UsedSlotCount; k++)
        PoolTextIndex[UsedSlots[k]] = 0;
    UsedSlotCount = 0;
    IndexedCount = 0;
    std::memset(ScoreCounts, 0, sizeof ScoreCounts);
    SelectionFloor = 0;
    ScoresAboveFloor = 0;
}

// The index slot of the text's first pool position, or the free slot where the search ends.
uint32_t SlotOf(const WordField& text)
{
    uint32_t slot = HashWord(text) & (IndexSize - 1);
    while (PoolTextIndex[slot] != 0 && !SameWord(SpellTables.CandidatePool.texts[PoolTextIndex[slot]], text))
        slot = (slot + 1) & (IndexSize - 1);
    return slot;
}

void InsertIntoIndex(int16_t position)
{
    uint32_t slot = SlotOf(SpellTables.CandidatePool.texts[position]);
    if (PoolTextIndex[slot] != 0)
        return;   // an earlier position holds this text already and stays the one found
    PoolTextIndex[slot] = position;
    UsedSlots[UsedSlotCount++] = static_cast<uint16_t>(slot);
}

// The pool can be emptied behind the index's back (the tables are cleared as a whole in tests), so
// the index follows the pool's count: rebuilt when the pool shrank, extended when it grew.
inline void SyncIndex()
{
    int16_t count = SpellTables.CandidatePool.count;
    if (count == IndexedCount)
        return;
    if (count < IndexedCount)
        ClearIndex();
    while (IndexedCount < count) {
        InsertIntoIndex(++IndexedCount);
        CountScore(SpellTables.CandidatePool.scores[IndexedCount]);
    }
}

} // namespace

void ResetCandidatePool()
{
    CandidatePoolTable& pool = SpellTables.CandidatePool;
    int16_t last = HighestWritten > pool.count ? HighestWritten : pool.count;
    pool.count = 0;
    for (int16_t k = 1; k <= last; k++) {
        FillBlanks(pool.texts[k]);
        pool.scores[k] = 0;
    }
    HighestWritten = 1;   // the selection writes the score of position 1 even in an empty pool
    ClearIndex();
}

bool FindCandidate(const WordField& text, int16_t& position)
{
    SyncIndex();
    position = PoolTextIndex[SlotOf(text)];
    return position != 0;
}

void AppendCandidate(const WordField& text, int16_t score)
{
    CandidatePoolTable& pool = SpellTables.CandidatePool;
    if (pool.count > PoolCapacity - 1)
        return;
    SyncIndex();
    pool.count++;
    if (pool.count > HighestWritten)
        HighestWritten = pool.count;
    pool.texts[pool.count] = text;
    pool.scores[pool.count] = score;
    SyncIndex();
}

int16_t LeastSelectableScore()
{
    SyncIndex();
    return static_cast<int16_t>(SelectionFloor + 1);
}
