// Where the word's characters meet the entry's: the comparisons behind the position score, run on
// all 32 positions at once.
#pragma once
#include <cstdint>

#include "word_field.h"

// Bit i - 1 stands for word position i (1 <= i <= n). Each position is in at most one set: same when
// the entry holds the word's character in the same place, else near when one place off (within the
// entry's first m characters), else far when two places off.
struct PositionMatch {
    uint32_t same;
    uint32_t near;
    uint32_t far;
};

PositionMatch MatchPositions(const WordField& word, int n, const WordField& entry, int m);

// 6 points a same position (7 for the first), the near bonus (3 for words of up to 4 characters,
// else 5) a near one, 2 a far one.
int16_t PositionPoints(const PositionMatch& match, int n);

// Bits 0 .. count - 1 (positions 1 .. count); none for count <= 0.
inline uint32_t FirstPositions(int count)
{
    if (count <= 0)
        return 0;
    return count >= 32 ? ~0u : (1u << count) - 1;
}
