// A quick upper bound on the score a word can earn against an entry, from the characters both hold.
// The scans pass over entries whose bound stays below what the pool keeps; since they discard their
// entry copies, skipping such an entry changes nothing. Inline: the scans ask it for every entry.
#pragma once
#include <cstdint>

#include "suggestion_rules.h"
#include "word_field.h"

struct WordProfile {
    int16_t n;               // trimmed length
    uint64_t mask;           // CharacterMask of the word's n characters
    uint64_t layers[32];     // layer k: the bits on which more than k of the word's characters fall
    int16_t layerCount;
    int16_t underscores;     // underscores in the word
    char first;
};

void ProfileWord(const WordField& word, int16_t n, WordProfile& profile);

inline int CountBits(uint64_t bits)
{
    bits = bits - ((bits >> 1) & 0x5555555555555555ull);
    bits = (bits & 0x3333333333333333ull) + ((bits >> 2) & 0x3333333333333333ull);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((bits * 0x0101010101010101ull) >> 56);
}

// Index (0..63) of the lowest set bit; bits must not be 0.
inline int LowestBitIndex(uint64_t bits)
{
    static const int8_t Positions[64] = {
        0,  1,  2,  53, 3,  7,  54, 27, 4,  38, 41, 8,  34, 55, 48, 28, 62, 5,  39, 46, 44, 42,
        22, 9,  24, 35, 59, 56, 49, 18, 29, 11, 63, 52, 6,  26, 37, 40, 33, 47, 61, 45, 43, 21,
        23, 58, 17, 10, 51, 25, 36, 32, 60, 20, 57, 16, 50, 31, 19, 15, 30, 14, 13, 12};
    return Positions[((bits & (~bits + 1)) * 0x022FDD63CC95386Dull) >> 58];
}

// Letter points are at most 6 a position (7 for the first); each entry character the word lacks
// costs 2 more than the floor at 0 lets it; equal lengths add their bonus; a capital match doubles.
inline int ScoreBound(int heldPositions, int missing, int equalBonus, bool mayDouble)
{
    int score = 6 * heldPositions + 1 - 2 * missing;
    if (score < 0)
        score = 0;
    score += equalBonus;
    return mayDouble ? score * 2 : score;
}

// False when EvaluateCandidate of the word against an entry of length m, character mask entryMask and
// first character entryFirst can only end below threshold.
inline bool MayReachScore(const WordProfile& word, int16_t m, uint64_t entryMask, char entryFirst,
                          int threshold)
{
    const uint64_t underscoreBit = uint64_t(1) << ('_' & 63);
    const uint64_t hyphenBit = uint64_t(1) << ('-' & 63);
    const uint64_t blankBit = uint64_t(1) << (' ' & 63);
    int n = word.n;
    if (!EvaluationMayScore(n, m))
        return false;
    if (entryMask & underscoreBit)
        return true;   // the alignment's underscores could meet the entry's own
    if (word.mask & blankBit)
        return true;   // an inner blank could meet the entry's trailing blanks, which no mask shows

    // Word positions whose character the entry may hold.
    int held = 0;
    for (int k = 0; k < word.layerCount; k++)
        held += CountBits(word.layers[k] & entryMask);

    // Capital match: the entry is the word with its lower-case first letter raised.
    bool mayDouble = IsLowerAscii(word.first) && entryFirst == word.first - 'a' + 'A';
    if (PassesLengthGate(n, m)) {
        int missing = n > 5 ? CountBits(entryMask & ~word.mask) : 0;
        int equalBonus = n == m ? (n <= 4 ? 8 : 5) : 0;
        if (ScoreBound(held, missing, equalBonus, mayDouble) >= threshold)
            return true;
    }
    // The aligned form holds the word's characters, underscores and hyphens, on at most as many
    // positions as it placed, and is scored with length m against the entry.
    int mayPlace = held + word.underscores;
    if (n >= 7 && n <= m && mayPlace >= m / 2) {
        int missing = CountBits(entryMask & ~(word.mask | underscoreBit | hyphenBit));
        if (ScoreBound(mayPlace, missing, 5, IsUpperAscii(entryFirst)) >= threshold)
            return true;
    }
    return false;
}
