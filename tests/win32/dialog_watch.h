// Ends a test program that would wait for good on a dialog, and says what it waited for: a dialog that
// a queued step waits for and that does not appear, or a modal dialog (a message box too) that stays
// open because nothing will close it (its step did not, or no step was queued for it). Without it the
// program waits until the test command's own limit and says nothing. Dialogs that stay open beside an
// owner the user can still use (Find, Replace) are not waited for.
#pragma once
#include <windows.h>

// Starts watching the dialogs of the calling thread, once for the program; later calls do nothing.
// The functions below take effect after it.
void WatchDialogs();

// Called for each dialog of the thread as soon as it has handled WM_INITDIALOG (null for none): where
// the dialog driver runs its steps.
typedef void (*DialogOpenedFunction)(HWND dialog);
void SetDialogOpenedFunction(DialogOpenedFunction function);

// What the dialog driver waits for. Steps next to count are queued and not yet used (none when next is
// greater than count); step is the step queued for the dialog that just opened (0 when none was, and
// the driver cancelled it); a running step is waited for until it returns (0: none runs).
void WatchQueuedSteps(int next, int count);
void WatchDialogStep(HWND dialog, int step);
void WatchRunningStep(int step);
