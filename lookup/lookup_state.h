// The lookup tool's process-wide record.
#pragma once
#include <cstdint>

#include "typed_word_check.h"
#include "word_field.h"

// Characters of the command-line argument that count as the start word.
const int StartWordWidth = 80;

struct LookupRecord {
    int32_t hasStartWord;                  // 1 until the dialog has put the start word in its Word box
    char typedText[TypedTextSize];         // Word box text as last checked, cleaned
    WordField typedField;
    WordField suggestField;
    char selectedText[StartWordWidth + 1]; // the start word, then the engine's texts and the picked entry
};

extern LookupRecord LookupState;
