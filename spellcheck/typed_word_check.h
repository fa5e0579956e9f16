// The check of a dialog's Word box, shared by the spell dialog and the lookup tool.
#pragma once
#include <windows.h>

#include "word_field.h"

// Room for a checked word of at most 31 characters and its terminator.
const int TypedTextSize = 32;

// Takes the Word box text (at most 31 characters) into typedText, cleans it and checks it. Known: the
// status text reads "OK" and the list holds the word. Unknown: "Incorrect", and the list holds the
// correction from the misspellings table or else the engine's suggestions, best first.
// outputText (room for 32 bytes) receives the correction or the suggestions on the way.
// Gives 1 when the word was checked, 0 when the Word box was empty or too long, or when the word lists
// could not be loaded (a message was shown, and the status text and the list are left as they were).
int CheckTypedWord(HWND dialog, char* typedText, WordField& typedField, WordField& suggestField,
                   char* outputText);

// When the last CheckWord could not load the word lists: shows which list (a message box owned by
// owner) and gives true.
bool ReportWordListFailure(HWND owner);
