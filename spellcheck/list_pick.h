// Picking an entry of a word dialog's suggestion list (spell dialog and lookup tool alike).
#pragma once
#include <windows.h>

// Handles a notification of the suggestion list. On a selection change or a double click, the text
// of the entry that has the focus goes into pickedText (room for pickedSize bytes) and into the
// dialog's box pickedBoxId. Entries too long for pickedText, or with a character Windows-1252 lacks, are
// not taken.
void PickListEntry(HWND dialog, int notification, int pickedBoxId, char* pickedText, int pickedSize);

// The number of selected entries of the suggestion list, for a button that works on them. When none
// is selected, or the selection cannot be counted, a warning owned by the dialog says so and the
// result is 0.
int SelectedEntryCount(HWND dialog);
