// A faster search of the main word list that answers exactly as the plain scan does:
// from the start entry onwards, the first entry not smaller than the word decides.
#pragma once
#include <cstdint>

#include "word_field.h"

// Records where the main list breaks its sort order; call after every load of the list.
void BuildMainListIndex();

// True when the scan from entry start finds the word before an entry greater than it.
bool ScanMainList(const WordField& word, int32_t start);
