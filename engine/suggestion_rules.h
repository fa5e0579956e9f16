// Small rules shared by the suggestion files: 1-based character access, searches within a field,
// the scoring length gate and the pool's reset.
#pragma once
#include <cstdint>

#include "word_field.h"

// Character at 1-based position i (1..32) of a field.
inline char CharAt(const WordField& word, int i)
{
    return word.ch[i - 1];
}

// The letter tests of the text rules, inline for the scans' inner loops.
inline bool IsUpperAscii(char c)
{
    return c >= 'A' && c <= 'Z';
}

inline bool IsLowerAscii(char c)
{
    return c >= 'a' && c <= 'z';
}

// 1-based position of the first ch within the first length characters of text; 0 when absent.
int PositionOf(char ch, const char* text, int length);

// 1-based position of the first occurrence of needle (needleLength characters) within the first
// hayLength characters of hay; 0 when absent. An empty needle is found at position 1.
int PositionOfText(const char* needle, int needleLength, const char* hay, int hayLength);

// The gate ScoreCandidate applies before it scores a pair of lengths n and m.
inline bool PassesLengthGate(int n, int m)
{
    int d = n > m ? n - m : m - n;
    if (d > 2 && n <= 5)
        return false;
    return d <= 4;
}

// False only when EvaluateCandidate provably scores nothing for a word of length n and an entry of
// length m: neither the aligned form (scored with length m against m) nor the plain pair can pass.
inline bool EvaluationMayScore(int n, int m)
{
    if (n >= 7 && n <= m && n >= m / 2)
        return true;
    return PassesLengthGate(n, m);
}

// Empties the pool (blank texts, zero scores) and its text index.
void ResetCandidatePool();
