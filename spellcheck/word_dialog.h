// What both word dialogs (the spell dialog and the lookup dialog) do alike: each keeps its record,
// handed over as the dialog's creation parameter, in the dialog's user data, and closes through WM_CLOSE.
// Both are Unicode dialogs (created with DialogBoxParamW), so that their boxes hold any character.
#pragma once
#include <windows.h>

typedef void (*WordDialogOpening)(HWND dialog);
typedef void (*WordDialogCommand)(HWND dialog, int id, int notification);

// The body of a word dialog's procedure. WM_INITDIALOG keeps lParam, the dialog's record, and then
// calls onOpening; WM_CLOSE ends the dialog with 0; WM_COMMAND goes to onCommand. Gives TRUE for these
// three messages and FALSE for all others.
INT_PTR HandleWordDialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                                WordDialogOpening onOpening, WordDialogCommand onCommand);

// The record the dialog was opened with.
void* WordDialogRecord(HWND dialog);

// Closes the dialog as its close box does.
void CloseWordDialog(HWND dialog);

// Runs a command of the dialog as if its button had been pressed.
void PressWordDialogButton(HWND dialog, int id);
