// The frame's status bar: what was done last ("Opened...", "Saved...") or the version, the file's name,
// the caret's position in the active document, and how its file keeps its text: line ends and encoding.
#pragma once
#include <windows.h>

const int StatusPositionPart = 2;
const int StatusLineEndsPart = 3;
const int StatusEncodingPart = 4;

// Gives the status bar its parts for its present width.
void SetStatusParts(HWND statusBar);
// Writes the first two parts (part 1 may be null to leave it).
void SetStatusTexts(const wchar_t* part0, const wchar_t* part1);
// Writes one of the active document's parts: position, line ends or encoding.
void SetStatusPart(int part, const wchar_t* text);
