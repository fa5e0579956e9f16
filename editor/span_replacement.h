// Putting the new text of a replaced span into an edit control as one change of its text.
#pragma once
#include <windows.h>

#include "replaced_span.h"

// text (length characters) is the edit control's whole text, in which span was found. Selects the span
// and replaces it with its new text; the user can undo it in one step when undoable. The caret then
// stands behind the last replacement. False, with nothing changed, when no memory could be had.
bool PutReplacedSpan(HWND edit, const char* text, int length, const ReplacedSpan& span, const Replacing& replacing,
                     bool undoable);
