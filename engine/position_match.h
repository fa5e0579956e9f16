// Where the word's characters meet the entry's: the comparisons behind the position score, and which
// of the entry's characters the word holds.
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

// The points of the same, near and far positions of a word of n characters.
int16_t PositionPoints(const PositionMatch& match, int n);

// Bit i - 1 of at[c] is set when position i (1 <= i <= n) of a word holds the character c.
struct CharacterPositions {
    uint32_t at[256];
};

// Adds the first n positions of the word (or entry) to the table (all zero for a fresh one).
void AddCharacterPositions(const WordField& word, int n, CharacterPositions& positions);

// Which byte values a text holds.
struct CharacterSet {
    uint32_t bits[8];
};

inline void CollectCharacters(const char* text, int length, CharacterSet& set)
{
    for (int i = 0; i < length; i++)
        set.bits[static_cast<unsigned char>(text[i]) >> 5] |= uint32_t(1) << (text[i] & 31);
}

inline bool Holds(const CharacterSet& set, char c)
{
    return ((set.bits[static_cast<unsigned char>(c) >> 5] >> (c & 31)) & 1) != 0;
}

// held: the word positions whose character occurs among the entry's first m; missing: how many of
// those m characters the word lacks.
inline void MatchCharacters(const CharacterPositions& word, const WordField& entry, int m, uint32_t& held,
                            int& missing)
{
    held = 0;
    missing = 0;
    for (int j = 0; j < m; j++) {
        uint32_t holders = word.at[static_cast<unsigned char>(entry.ch[j])];
        missing += holders == 0;
        held |= holders;
    }
}

// Bits 0 .. count - 1 (positions 1 .. count); none for count <= 0.
inline uint32_t FirstPositions(int count)
{
    if (count <= 0)
        return 0;
    return count >= 32 ? ~0u : (1u << count) - 1;
}
