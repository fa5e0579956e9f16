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

// 1-based position of the first ch within the first length characters of text; 0 when absent.
int PositionOf(char ch, const char* text, int length);

// 1-based position of the first occurrence of needle (needleLength characters) within the first
// hayLength characters of hay; 0 when absent. An empty needle is found at position 1.
int PositionOfText(const char* needle, int needleLength, const char* hay, int hayLength);

// Empties the pool (blank texts, zero scores) and its text index.
void ResetCandidatePool();
