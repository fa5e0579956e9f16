#include "dialog_driver.h"

#include "dialog_watch.h"
#include "message_log.h"

namespace {

DialogDriver* ActiveDriver = nullptr;

// Cancel has the same id in both word dialogs.
const int CancelButtonId = 1009;

} // namespace

DialogDriver::DialogDriver()
{
    ActiveDriver = this;
    WatchDialogs();
    SetDialogOpenedFunction(DialogOpened);
    WatchSteps();
}

DialogDriver::~DialogDriver()
{
    SetDialogOpenedFunction(nullptr);
    WatchQueuedSteps(1, 0);
    ActiveDriver = nullptr;
}

void DialogDriver::Then(DialogStep step)
{
    steps_.push_back(std::move(step));
    WatchSteps();
}

// Steps are numbered from 1 in the order they were queued.
void DialogDriver::WatchSteps() const
{
    WatchQueuedSteps(static_cast<int>(next_) + 1, static_cast<int>(steps_.size()));
}

void DialogDriver::DialogOpened(HWND dialog)
{
    if (ActiveDriver != nullptr)
        ActiveDriver->OnDialogOpened(dialog);
}

void DialogDriver::OnDialogOpened(HWND dialog)
{
    opened_++;
    if (next_ >= steps_.size()) {
        unexpected_++;
        WatchDialogStep(dialog, 0);
        Press(dialog, CancelButtonId);
        return;
    }
    DialogStep step = steps_[next_++];
    int number = static_cast<int>(next_);
    WatchDialogStep(dialog, number);
    WatchSteps();
    // A step may open a dialog of its own, whose step runs inside this one.
    int outer = runningStep_;
    runningStep_ = number;
    WatchRunningStep(number);
    step(dialog);
    runningStep_ = outer;
    WatchRunningStep(outer);
}

std::string ControlText(HWND dialog, int id)
{
    wchar_t text[256] = {};
    GetDlgItemTextW(dialog, id, text, static_cast<int>(sizeof text / sizeof text[0]));
    return Utf8Of(text);
}

std::vector<std::string> ListEntries(HWND dialog, int listId)
{
    std::vector<std::string> entries;
    LRESULT count = SendDlgItemMessageW(dialog, listId, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; i++) {
        wchar_t text[256] = {};
        if (SendDlgItemMessageW(dialog, listId, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < 255)
            SendDlgItemMessageW(dialog, listId, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries.push_back(Utf8Of(text));
    }
    return entries;
}

void Press(HWND dialog, int id)
{
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void ClickEntry(HWND dialog, int listId, int index, bool addToSelection)
{
    HWND list = GetDlgItem(dialog, listId);
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    RECT item = {};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    WPARAM keys = MK_LBUTTON | (addToSelection ? MK_CONTROL : 0);
    SendMessageA(list, WM_LBUTTONDOWN, keys, point);
    SendMessageA(list, WM_LBUTTONUP, addToSelection ? MK_CONTROL : 0, point);
}
