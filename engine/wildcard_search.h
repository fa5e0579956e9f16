// The wildcard search: a word holding * or ? is a pattern matched against the local and main lists.
#pragma once

#include "word_field.h"

bool HasWildcard(const WordField& word);
bool WildcardMatch(const char* pattern, const char* text);
void WildcardSearch(const WordField& pattern);
