// The scan of entries with other first letters: the word, its first letter masked, against entries
// that hold its tail or its middle.
#pragma once

#include "found_candidates.h"
#include "word_field.h"

// Offers what it finds, or records it when record is given: the scan then leaves the pool alone, so
// that it can run on the scan helper.
void ScanOtherInitials(const WordField& word, FoundCandidates* record);

// The word with its first letter masked, as this scan compares it.
WordField MaskedInitial(const WordField& word);
