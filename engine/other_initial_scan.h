// The scan of entries with other first letters: the word, its first letter masked, against entries
// that hold its tail or its middle.
#pragma once

#include "passing_over.h"
#include "word_field.h"

// Offers what it finds; passing, when given, lets it pass over candidates that can no longer be selected.
void ScanOtherInitials(const WordField& word, PassingOver* passing);
