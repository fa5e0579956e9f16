#include "dialog_watch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// How long the program waits for a dialog to appear for a queued step, or for a modal dialog to close,
// before it ends: far beyond what a step takes on a loaded machine, and short enough that the program
// ends within 15 s of the wait's start.
const DWORD LongestWait = 10000;
const DWORD WatchInterval = 100;
// The exit code of a program that ended waiting.
const UINT WaitedInVainExitCode = 3;
// The text of a message box, named beside its caption so that a box shown for real says what it asks.
const int MessageTextId = 0xFFFF;

const int NoDriverStep = -1;

struct OpenDialog {
    HWND window;
    std::string name;
    int step;   // the driver's step for it; 0 when the driver cancelled it; NoDriverStep without a driver
};

// Written on the watched thread, read by the watcher, each holding the lock.
struct WatchState {
    std::vector<OpenDialog> open;   // in the order they opened
    bool driving = false;           // a dialog driver is there
    int nextStep = 1;
    int stepCount = 0;
    int runningStep = 0;
    DWORD lastEvent = 0;            // when a dialog last opened or closed, or the driver's steps changed
};

CRITICAL_SECTION Lock;
WatchState Watch;
HHOOK Hook = nullptr;
DialogOpenedFunction OpenedFunction = nullptr;

void Noted()
{
    Watch.lastEvent = GetTickCount();
}

std::string NameOf(HWND dialog)
{
    char caption[128] = "";
    GetWindowTextA(dialog, caption, static_cast<int>(sizeof caption));
    std::string name = std::string("the dialog \"") + caption + "\"";
    char text[256] = "";
    if (GetDlgItemTextA(dialog, MessageTextId, text, static_cast<int>(sizeof text)) > 0)
        name += std::string(" (showing \"") + text + "\")";
    return name;
}

// A dialog beside an owner that the user can still use (Find, Replace) waits for nobody.
bool IsModal(HWND dialog)
{
    HWND owner = GetWindow(dialog, GW_OWNER);
    return owner == nullptr || !IsWindowEnabled(owner);
}

std::string StepOf(int step)
{
    return "step " + std::to_string(step) + " of the " + std::to_string(Watch.stepCount) + " queued";
}

// What the watched thread waits for, or nothing.
std::string Awaited()
{
    for (auto dialog = Watch.open.rbegin(); dialog != Watch.open.rend(); ++dialog) {
        if (Watch.runningStep != 0 && dialog->step == Watch.runningStep)
            return StepOf(dialog->step) + " to return from " + dialog->name;
        if (!IsModal(dialog->window))
            continue;
        if (dialog->step > 0)
            return dialog->name + " to close after its " + StepOf(dialog->step) + ", which did not close it";
        if (dialog->step == 0)
            return dialog->name + " to close: no step was queued for it, and Cancel did not close it";
        return dialog->name + " to close, which no step of the test answers";
    }
    if (Watch.driving && Watch.nextStep <= Watch.stepCount)
        return "a dialog for " + StepOf(Watch.nextStep) + ", which did not appear";
    return "";
}

[[noreturn]] void EndProgram(const std::string& awaited)
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string where = test != nullptr ? std::string(test->test_suite_name()) + "." + test->name() : "The program";
    std::printf("\n%s waited %lu s for %s. The test program ends here.\n", where.c_str(),
                static_cast<unsigned long>(LongestWait / 1000), awaited.c_str());
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), WaitedInVainExitCode);
    for (;;)
        Sleep(INFINITE);
}

DWORD WINAPI WatchForWaitsInVain(LPVOID)
{
    for (;;) {
        Sleep(WatchInterval);
        EnterCriticalSection(&Lock);
        std::string awaited = GetTickCount() - Watch.lastEvent >= LongestWait ? Awaited() : "";
        LeaveCriticalSection(&Lock);
        if (!awaited.empty())
            EndProgram(awaited);
    }
}

void NoteOpened(HWND dialog)
{
    if ((GetWindowLongPtrA(dialog, GWL_STYLE) & WS_CHILD) != 0)
        return;   // a page inside another dialog
    std::string name = NameOf(dialog);
    EnterCriticalSection(&Lock);
    Watch.open.push_back({dialog, name, NoDriverStep});
    Noted();
    LeaveCriticalSection(&Lock);
}

void NoteClosed(HWND window)
{
    EnterCriticalSection(&Lock);
    for (auto dialog = Watch.open.begin(); dialog != Watch.open.end(); ++dialog) {
        if (dialog->window == window) {
            Watch.open.erase(dialog);
            Noted();
            break;
        }
    }
    LeaveCriticalSection(&Lock);
}

LRESULT CALLBACK WatchHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const CWPRETSTRUCT* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (message->message == WM_INITDIALOG) {
            NoteOpened(message->hwnd);
            if (OpenedFunction != nullptr)
                OpenedFunction(message->hwnd);
        } else if (message->message == WM_DESTROY) {
            NoteClosed(message->hwnd);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

void WatchDialogs()
{
    if (Hook != nullptr)
        return;
    InitializeCriticalSection(&Lock);
    Noted();
    Hook = SetWindowsHookExA(WH_CALLWNDPROCRET, WatchHookProc, nullptr, GetCurrentThreadId());
    CloseHandle(CreateThread(nullptr, 0, WatchForWaitsInVain, nullptr, 0, nullptr));
}

void SetDialogOpenedFunction(DialogOpenedFunction function)
{
    OpenedFunction = function;
    EnterCriticalSection(&Lock);
    Watch.driving = function != nullptr;
    Noted();
    LeaveCriticalSection(&Lock);
}

void WatchQueuedSteps(int next, int count)
{
    EnterCriticalSection(&Lock);
    Watch.nextStep = next;
    Watch.stepCount = count;
    Noted();
    LeaveCriticalSection(&Lock);
}

void WatchDialogStep(HWND dialog, int step)
{
    EnterCriticalSection(&Lock);
    for (OpenDialog& open : Watch.open)
        if (open.window == dialog)
            open.step = step;
    Noted();
    LeaveCriticalSection(&Lock);
}

void WatchRunningStep(int step)
{
    EnterCriticalSection(&Lock);
    Watch.runningStep = step;
    Noted();
    LeaveCriticalSection(&Lock);
}
