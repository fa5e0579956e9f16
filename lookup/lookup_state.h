// The lookup tool's process-wide record, handed to its dialog as the creation parameter.
#pragma once
#include <cstdint>

#include "typed_text_check.h"
#include "word_field.h"

// Characters of the command-line argument that count as the start word.
const int StartWordWidth = 80;

struct LookupRecord {
    int32_t hasStartWord;                  // 1 until the dialog has put the start word in its Word box
    char typedText[TypedTextSize];         // Word box text as last checked, cleaned
    WordField typedField;
    WordField suggestField;
    wchar_t startWord[StartWordWidth + 1]; // the command line's word, checked as the dialog opens
    char pickedText[TypedTextSize];        // the list entry picked last
};

extern LookupRecord LookupState;
