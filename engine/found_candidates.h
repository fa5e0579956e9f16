// Candidates a scan found without offering them, in the scan's order, so that they can be offered to
// the pool later exactly as the scan would have offered them. Scans that run beside another record
// what they find here, since only one thread may touch the pool.
#pragma once
#include <cstdint>

#include "spell_tables.h"

// More candidates than the pool holds can only be offered in full by a scan of its own.
const int32_t FoundCapacity = PoolCapacity;

struct FoundCandidates {
    int32_t count;
    bool overflowed;   // some found candidates were not recorded
    int32_t entries[FoundCapacity];   // main list entries
    int16_t scores[FoundCapacity];
};

void ClearFound(FoundCandidates& found);
void RecordFound(FoundCandidates& found, int32_t k, int16_t score);

// What a scan does with main list entry k found at the score: records it when record is given, else
// offers it to the pool at once.
void OfferOrRecord(FoundCandidates* record, int32_t k, int16_t score);

// Offers the found entries in order, as a scan of the given pass with the given word would: each at
// least at the score ScoreWorthSeeking asks for.
void OfferFound(const FoundCandidates& found, int16_t scanPass, const WordField& word, int16_t n);
