// The suggestion search as the dialogs ask for it: fills the suggestion list for a word, which
// suggestion_list.h then reads slot by slot.
#pragma once

#include "word_field.h"

// Fills the suggestion list for the word; "debugon" and "debugoff" switch the debug listings instead.
void SuggestWords(const WordField& word);

// With the whole pool kept (as the debug listings always keep it), the scans keep every candidate that
// scores enough; without (the default), they may pass over candidates that could never be selected,
// which leaves the same suggestions in a smaller pool.
void KeepWholeCandidatePool(bool keep);

// The same-initial scan alone: the local words, then the runs of the word's first letter in both cases.
void ScanSameInitial(const WordField& word);
