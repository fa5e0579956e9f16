// The same-initial scan's pass over a run of main list entries that begin with the same character.
#pragma once
#include <cstdint>

#include "passing_over.h"
#include "score_bound.h"
#include "word_field.h"

// Evaluates the run of entries beginning with ch, in list order, and offers what it finds; passing,
// when given, lets it pass over candidates that can no longer be selected.
void ScanInitialRun(const WordField& word, const WordProfile& profile, char ch, PassingOver* passing);
