// The record through which the spell dialog tells the spell-check run what the user chose.
#pragma once
#include <cstdint>

#include "typed_text_check.h"
#include "word_field.h"

// replacement when the user picked none: two blanks.
const char NoReplacement[] = "  ";

enum SpellAction : int32_t {
    ActionNone = 0,       // Ignore Once, Ignore All, Cancel: leave the word as it is
    ActionChange = 1,     // replace the selected word with replacement
    ActionChangeAll = 2,  // replace every occurrence of currentWord in the document
    ActionAddWord = 3,    // offer to append wordToAdd to the local word list
};

struct SpellRunRecord {
    char typedText[TypedTextSize];       // Word box text as last taken by Spell Check or Ignore All
    WordField typedField;
    char wordToAdd[TypedTextSize];       // the word Word Add offers, set when the dialog opens
    WordField suggestField;
    char replacement[TypedTextSize];     // the picked suggestion
    char currentWord[WordWidth + 1];     // the document word, terminated after currentLength
    int32_t currentLength;
    int32_t action;
    int32_t stopRun;                     // 1: the run ends when the dialog closes
};

// One record for the process: all fields zero at start, except stopRun, which is 1. The run owns it
// and hands it to each spell dialog as the dialog's creation parameter.
extern SpellRunRecord SpellRunState;
