// The status bar's part for the active document's caret: "Ln 12, Col 40", kept current as the caret
// moves. Each move only asks for an update; the frame shows the position once the messages queued
// before it are handled, so that a command that moves the caret many times costs one update.
#pragma once
#include <windows.h>

// Posted to the frame: show the active document's caret position (or nothing without a document).
const UINT ShowCaretPositionMessage = WM_APP + 1;

// Asks the frame for an update: the caret moved, or another document became active or none is left.
void CaretMayHaveMoved();
// The end of the edit control's selection where the caret stands (a selection made backwards has it
// at its start).
int CaretIndex(HWND edit);
// The frame's handling of ShowCaretPositionMessage.
void ShowCaretPosition();
