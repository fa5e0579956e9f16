// The candidate pool: the texts a lookup gathers, each with its score, indexed by text.
#pragma once
#include <cstdint>

#include "word_field.h"

// Empties the pool (blank texts, zero scores) and its text index.
void ResetCandidatePool();
bool FindCandidate(const WordField& text, int16_t& position);
void AppendCandidate(const WordField& text, int16_t score);
// The least score with which a candidate appended now could still be selected, as long as the scores
// in the pool are those the candidates were appended with: the selection takes SuggestionSlots
// candidates and prefers earlier ones among equal scores.
int16_t LeastSelectableScore();
