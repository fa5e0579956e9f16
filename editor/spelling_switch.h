// Tools > Spelling as You Type: whether documents underline their unknown words. On unless the user
// turned it off; remembered per user (the value SpellingAsYouType of the settings key).
#pragma once
#include <windows.h>

bool SpellingAsYouTypeOn();

// Reads the remembered switch and shows it in the frame's Tools menu; at the frame's creation.
void LoadSpellingAsYouType(HWND frame);

// The menu command: turns the switch over, remembers it, shows it, and marks or unmarks every document.
void ToggleSpellingAsYouType(HWND frame);
