// Spelling as you type: a red wavy line under each unknown word that a document shows. The marks are
// drawn after the edit control's own painting, over the rows it painted; a row whose marks may have
// changed without the control painting it (the word being typed is left, a word ignored or added, the
// switch) is found a moment later by comparing the view's marks with those drawn, and only such rows
// are painted again.
#pragma once
#include <windows.h>

// After a change, the marks of the whole view are compared with those drawn this much later (a timer
// that a burst of changes sets once).
const UINT SpellingMarksDelay = 250;   // milliseconds

// In place of CallSystemEditProc in the document edit control's procedure: the system's handling of the
// message, with the marks kept up to date around it.
LRESULT CallWithSpellingMarks(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

// The words' verdicts may have changed (Ignore All, Word Add, a spell run) or the switch was turned:
// every document's marks are brought up to date within the marks' delay.
void RecheckMarksOfAllDocuments();
