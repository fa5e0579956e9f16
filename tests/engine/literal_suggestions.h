// Word-for-word versions of the suggestion routines that the engine speeds up: a linear pool search,
// evaluation without the length pre-check, 288 selection passes and the plain recursive match. The
// equality tests run them beside the engine and compare the results.
#pragma once
#include <cstdint>

#include "word_field.h"

namespace literal {

bool FindCandidate(const WordField& text, int16_t& position);
void SelectSuggestions();
bool WildcardMatch(const char* pattern, const char* text);
void EvaluateCandidate(const WordField& word, int16_t n, WordField& entry, int16_t m);
// The whole generation, from the pool's reset to the selection.
void SuggestWords(const WordField& word);

} // namespace literal
