// The suggestion engine's own steps: the candidate pool and its scoring, the ordering of the best 288,
// the debug listings, the wildcard search and the same-initial scan. Only the engine and its tests
// use them; the dialogs use suggestions.h.
#pragma once
#include <cstdint>

#include "suggestions.h"
#include "word_field.h"

// ---- Candidate pool and scoring ----
// Empties the pool (blank texts, zero scores) and its text index.
void ResetCandidatePool();
bool FindCandidate(const WordField& text, int16_t& position);
void AppendCandidate(const WordField& text, int16_t score);
// The least score with which a candidate appended now could still be selected, as long as the scores
// in the pool are those the candidates were appended with: the selection takes SuggestionSlots
// candidates and prefers earlier ones among equal scores.
int16_t LeastSelectableScore();
void EvaluateCandidate(const WordField& word, int16_t n, WordField& entry, int16_t m);
// The score EvaluateCandidate offers the entry at, or -1 when it offers none; touches no pool.
int16_t EvaluatedScore(const WordField& word, int16_t n, const WordField& entry, int16_t m);
void AlignWord(const WordField& word, int16_t n, const WordField& entry, int16_t m,
               WordField& aligned, int16_t& placed);
void ScoreCandidate(const WordField& word, int16_t n, WordField& entry, int16_t m);
// The end of ScoreCandidate once the pair has its score: capitalises the entry copy for a capitalised
// word, and appends it when the score is kept and the pool lacks it.
void OfferCandidate(WordField& entry, int16_t score);
// OfferCandidate for a copy of main list entry k.
void OfferMainEntry(int32_t k, int16_t score);

// ---- Ordering and the debug listings ----
void SelectSuggestions();
void ShowUnsortedListing();
void ShowSortedListing();

// ---- Wildcard search ----
bool HasWildcard(const WordField& word);
bool WildcardMatch(const char* pattern, const char* text);
void WildcardSearch(const WordField& pattern);

// ---- Scans ----
// With the whole pool kept (as the debug listings always keep it), the scans keep every candidate that
// scores enough; without (the default), they may pass over candidates that could never be selected,
// which leaves the same suggestions in a smaller pool.
void KeepWholeCandidatePool(bool keep);
void ScanSameInitial(const WordField& word);
void BoostDeletions(const WordField& word);
