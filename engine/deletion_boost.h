// The deletion boost: raises the pool's candidates that are the word without one or two characters.
#pragma once

#include "word_field.h"

void BoostDeletions(const WordField& word);
