// Tools > Spelling: checks the document from the caret on, opening the spell dialog at each unknown word.
#pragma once
#include <windows.h>
#include <cstdint>

// Checks the text of edit control editId of window from the caret to the end and then, when the user
// agrees, from the beginning up to where the run began; window owns the dialog, whose template comes
// from window's module.
void SpellCheckRun(HWND window, int editId);

// How far a run has got: the characters of the document checked so far and those it checks in all. A
// false answer stops the run where it is, without its final message.
typedef bool (*SpellRunProgress)(int32_t checked, int32_t total);

// The progress function that runs call every SpellRunProgressWords words they check; null for none.
void SetSpellRunProgress(SpellRunProgress progress);
const int32_t SpellRunProgressWords = 2048;
