// Scoring a word against a list entry, and offering the entry to the candidate pool at its score.
#pragma once
#include <cstdint>

#include "word_field.h"

void EvaluateCandidate(const WordField& word, int16_t n, WordField& entry, int16_t m);
// The score EvaluateCandidate offers the entry at, or -1 when it offers none; touches no pool.
int16_t EvaluatedScore(const WordField& word, int16_t n, const WordField& entry, int16_t m);
void AlignWord(const WordField& word, int16_t n, const WordField& entry, int16_t m,
               WordField& aligned, int16_t& placed);
// The score ScoreCandidate gives the pair (before it looks at the pool).
int16_t PairScore(const WordField& word, int16_t n, const WordField& entry, int16_t m);
void ScoreCandidate(const WordField& word, int16_t n, WordField& entry, int16_t m);
// The end of ScoreCandidate once the pair has its score: capitalises the entry copy for a capitalised
// word, and appends it when the score is kept and the pool lacks it.
void OfferCandidate(WordField& entry, int16_t score);
// OfferCandidate for a copy of main list entry k.
void OfferMainEntry(int32_t k, int16_t score);
