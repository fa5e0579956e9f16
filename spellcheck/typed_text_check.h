// The check of the text typed in a word dialog's Word box, without any windowing: both dialogs and
// the command-line lookup driver go through it.
#pragma once
#include <cstdint>

#include "spell_tables.h"
#include "word_field.h"
#include "word_list_failure.h"

// Room for a checked word of at most 31 characters and its terminator.
const int TypedTextSize = 32;

// Room for the text of a refusal: a warning, or the message that names a word list.
const int RefusalSize = ListFailureMessageSize;

enum TypedTextVerdict {
    TypedTextRefused,    // empty or longer than 31 characters: refusal holds the warning
    WordListsMissing,    // the word lists could not be loaded: refusal names the list
    TypedWordKnown,      // the list holds the word itself
    TypedWordUnknown,    // the list holds the correction from the misspellings table, or the suggestions
};

// What a word dialog lists after a check, in order.
struct TypedWordEntries {
    int16_t count;
    char text[SuggestionSlots][TypedTextSize];
};

// The warning for a Word box text that cannot be taken: emptyWarning when it is empty, the shorter-word
// warning when it is longer than 31 characters; null when it can be taken.
const char* WordBoxRefusal(const char* boxText, const char* emptyWarning);

// Checks a Word box's text as the dialogs' Spell Check does: the text is cleaned into typedText (room
// for TypedTextSize bytes) and typedField and checked; suggestField is the word suggestions are built
// from. A refused text leaves typedText, typedField and entries as they were.
TypedTextVerdict CheckTypedText(const char* boxText, char* typedText, WordField& typedField, WordField& suggestField,
                                TypedWordEntries& entries, char* refusal);
