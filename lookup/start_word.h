// The lookup tool's start word: the first argument of its command line.
#pragma once

#include "lookup_state.h"

// Reads the first argument after the program name into startWord (room for StartWordWidth + 1 characters):
// arguments are separated by blanks or tabs outside double quotes, and quotes are dropped. At most
// StartWordWidth characters count; trailing blanks are removed. No argument gives an empty string.
void StartWordFromCommandLine(const wchar_t* commandLine, wchar_t* startWord);
