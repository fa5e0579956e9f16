// Edit > Go To Line: moves the caret to the start of a line the user names.
#pragma once
#include <windows.h>

// What the dialog starts with and gives back: the line (at first the caret's) and how many there are.
struct GoToLineRequest {
    int line;
    int lineCount;
};

INT_PTR CALLBACK GoToLineDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void GoToLineCommand(HWND document);
