// A quick upper bound on the score a word can earn against an entry, from the characters both hold.
// The scans pass over entries whose bound stays below what the pool keeps; since they discard their
// entry copies, skipping such an entry changes nothing.
#pragma once
#include <cstdint>

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

// False when EvaluateCandidate of the word against an entry of length m, character mask entryMask and
// first character entryFirst can only end below threshold.
bool MayReachScore(const WordProfile& word, int16_t m, uint64_t entryMask, char entryFirst, int threshold);

int CountBits(uint64_t bits);
// Index (0..63) of the lowest set bit; bits must not be 0.
int LowestBitIndex(uint64_t bits);
