// An index of the misspelling lines by their lower-case text, so that a look-up need not read every
// line. Build it after every load of the table.
#pragma once
#include <cstdint>

#include "word_field.h"

void BuildMisspellingIndex();

// The first line (1-based) whose lower-case text equals lower, or 0 when none does.
int32_t FirstMisspellingLine(const WordField& lower);
