// Spelling suggestions: the candidate pool and its scoring, the ordering of the best 288,
// the wildcard search and the suggestion driver. All state lives in SpellTables.
#pragma once
#include <cstdint>

#include "word_field.h"

// ---- Candidate pool and scoring ----
bool FindCandidate(const WordField& text, int16_t& position);
void AppendCandidate(const WordField& text, int16_t score);
void EvaluateCandidate(const WordField& word, int16_t n, WordField& entry, int16_t m);
void AlignWord(const WordField& word, int16_t n, const WordField& entry, int16_t m,
               WordField& aligned, int16_t& placed);
void ScoreCandidate(const WordField& word, int16_t n, WordField& entry, int16_t m);

// ---- Ordering and results ----
void SelectSuggestions();
// Slot 1..288 as a terminated string of at most 31 characters in a 32-byte buffer; empty when none.
void GetSuggestion(int16_t index, char* out);
void PrepareSuggestionWord(const WordField& in, WordField& out);
void ShowUnsortedListing();
void ShowSortedListing();

// ---- Wildcard search ----
bool HasWildcard(const WordField& word);
bool IsWildcardChar(char ch);
bool WildcardMatch(const char* pattern, const char* text);
void WildcardSearch(const WordField& pattern);
void AddWildcardMatch(const WordField& pattern, const WordField& entry);

// ---- Suggestion driver ----
// Fills the suggestion list for the word; "debugon" and "debugoff" switch the debug listings instead.
void SuggestWords(const WordField& word);
void ScanSameInitial(const WordField& word);
void ScanOtherInitial(const WordField& word);
void TryMaskedInitial(const WordField& word, int16_t n, const WordField& entry, int16_t m);
void BoostDeletions(const WordField& word);
