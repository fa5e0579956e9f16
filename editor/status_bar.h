// The frame's status bar: what was done last ("Opened...", "Saved...") or the version, the file's name,
// and the caret's position in the active document.
#pragma once
#include <windows.h>

const int StatusPositionPart = 2;

// Gives the status bar its three parts for its present width.
void SetStatusParts(HWND statusBar);
// Writes the first two parts (part 1 may be null to leave it).
void SetStatusTexts(const char* part0, const char* part1);
// Writes the caret's position part.
void SetStatusPosition(const char* text);
