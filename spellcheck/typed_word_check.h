// The Word box of a word dialog (spell dialog and lookup tool alike): reading it and checking it.
#pragma once
#include <windows.h>

#include "typed_text_check.h"
#include "word_field.h"

// Room for what ReadWordBox reads: one character more than a word may have, so that a text too long
// to check is seen as such.
const int WordBoxReadSize = TypedTextSize + 1;

// Reads the Word box into text (room for WordBoxReadSize bytes), terminated: its characters as the spell
// check reads the document's (ScanTextFromUtf16, so 'isn’t' reads as "isn't"), one byte each.
void ReadWordBox(HWND dialog, char* text);

// Checks the Word box (CheckTypedText) and shows the result: "OK" or "Incorrect" as the status text and
// the entries in the list. A refused text gets a warning and a missing word list an error message,
// owned by the dialog; the status text and the list then stay as they were. Gives 1 when the word was
// checked, 0 otherwise.
int CheckTypedWord(HWND dialog, char* typedText, WordField& typedField, WordField& suggestField);

// When the last CheckWord could not load the word lists: shows which list (a message box owned by
// owner) and gives true.
bool ReportWordListFailure(HWND owner);
