// Tools > Spelling in a document: the spell run, its progress in the status bar once it has taken a
// second (Esc then stops it), and the documents' marks brought up to date after it.
#pragma once
#include <windows.h>

void SpellingCommand(HWND document);

// How long a run goes before its progress shows; tests shorten it.
const DWORD SpellingProgressDelay = 1000;   // milliseconds
void SetProgressDelayForTesting(DWORD milliseconds);
