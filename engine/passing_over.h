// Passing over candidates that can no longer be selected, while no debug listing needs the whole pool.
//
// Sound only for a text offered once in a lookup, at its one score: a later offer at a higher score
// would be appended where the first offer would have blocked it. The word's own first-letter run and
// the other first letters offer each entry once when the word does not begin with a capital (which
// makes capitalised copies of other entries), and no other scan follows them but the deletion boost,
// whose texts are never passed over. The pool would have filled with at most one candidate per
// visited entry: a lookup that might have filled it is done again in full.
#pragma once
#include <cstdint>

#include "word_field.h"

// One lookup's passing over, handed to the scans that may pass over; they take none (a null pointer)
// where every candidate must be offered.
struct PassingOver {
    int32_t visited;   // entries visited since the lookup began
};

// Whether the deletion boost may raise the entry: the word without one character, or two adjacent
// ones, after its first.
bool MayBeRaised(const WordField& word, int16_t n, const WordField& entry, int16_t m);

// The least score worth looking for in the entry when the scan keeps scores from kept on; counts
// the entry as visited. Without passing over, kept.
int ScoreWorthSeeking(PassingOver* passing, int kept, const WordField& word, int16_t n, const WordField& entry,
                      int16_t m);
