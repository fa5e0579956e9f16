// The same-initial scan's pass over a run of main list entries that begin with the same character.
#pragma once
#include <cstdint>

#include "found_candidates.h"
#include "score_bound.h"
#include "word_field.h"

// The entries start..end begin with the character; end < start when none does.
struct InitialRun {
    int32_t start;
    int32_t end;
};

InitialRun FindInitialRun(char ch);

// Evaluates entries from..to of the run of entries beginning with ch, in list order. Offers what it
// finds, or records it when record is given: the scan then leaves the pool alone, so that it can run
// on the scan helper.
void ScanInitialRunPart(const WordField& word, const WordProfile& profile, char ch, int32_t from, int32_t to,
                        FoundCandidates* record);

// The whole run.
void ScanInitialRun(const WordField& word, const WordProfile& profile, char ch, FoundCandidates* record);
