#include "spell_run.h"

// Placeholder until the spell dialog lands: the run does nothing yet.
void SpellCheckRun(HWND, int) {}
