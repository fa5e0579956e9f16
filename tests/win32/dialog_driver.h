// Drives the modal dialogs that the code under test opens on this thread: each scripted step runs
// as soon as a dialog has handled WM_INITDIALOG, and may press its buttons, which closes it before
// it is ever shown. Message boxes are answered by a MessageLog (message_log.h). A dialog that does not
// appear for its step, or that its step leaves open, ends the test program (dialog_watch.h).
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "not_copyable.h"

using DialogStep = std::function<void(HWND dialog)>;

class DialogDriver : NotCopyable {
public:
    DialogDriver();
    ~DialogDriver();

    // Queues the step for the next dialog that opens.
    void Then(DialogStep step);
    int Opened() const { return opened_; }
    // Dialogs that opened with no step queued (they were cancelled).
    int Unexpected() const { return unexpected_; }
    bool AllStepsUsed() const { return next_ == steps_.size(); }

private:
    static void DialogOpened(HWND dialog);
    void OnDialogOpened(HWND dialog);
    void WatchSteps() const;

    std::vector<DialogStep> steps_;
    size_t next_ = 0;
    int opened_ = 0;
    int unexpected_ = 0;
    int runningStep_ = 0;
};

// Dialog helpers for steps. Texts are read with the wide calls and given in UTF-8.
std::string ControlText(HWND dialog, int id);
std::vector<std::string> ListEntries(HWND dialog, int listId);
void Press(HWND dialog, int id);
// Clicks entry index of the list as a user would; with addToSelection the click holds Ctrl.
void ClickEntry(HWND dialog, int listId, int index, bool addToSelection = false);
