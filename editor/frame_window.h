// The frame window: MDI client, toolbar, status bar, layout and command dispatch.
#pragma once
#include <windows.h>

LRESULT CALLBACK FrameWindowProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);

// The active document window, or null.
HWND ActiveDocument();

// The status bar's parts: what was done last ("Opened...", "Saved...") or the version, the file's name,
// and the caret's position in the active document.
const int StatusPositionPart = 2;

// Writes the first two parts of the status bar (part 1 may be null to leave it).
void SetStatusTexts(const char* part0, const char* part1);
