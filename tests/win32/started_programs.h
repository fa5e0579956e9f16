// The programs that a test starts beside itself, and the waits for them: for a window of theirs, for
// files they write, for their end. A wait that runs out fails the test within 15 s and says what it
// waited for, instead of waiting until the test command's own limit.
#pragma once
#include <windows.h>

#include <string>

#include "not_copyable.h"

// Far beyond what a started program takes on a loaded machine to show a window or to end.
const DWORD LongestProgramWait = 15000;
const DWORD ProgramWaitInterval = 50;

// "within 15 s", for the failure of a wait.
std::string WithinLongestProgramWait();

// A top-level window of the process with that class name or title (null for any), or null.
HWND TopWindowOf(DWORD processId, const char* className, const char* title);

// Asks done() until it says yes, at most LongestProgramWait long; true when it said yes.
template <typename Done>
bool WaitUntil(Done done)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start >= LongestProgramWait)
            return false;
        Sleep(ProgramWaitInterval);
    }
    return true;
}

// The named program of the test program's folder, started with the arguments; killed when the test
// leaves it running.
class StartedProgram : NotCopyable {
public:
    StartedProgram(const char* name, const std::wstring& arguments);
    ~StartedProgram() { Kill(); }

    bool Started() const { return started_; }
    DWORD Id() const { return process_.dwProcessId; }
    HANDLE Process() const { return process_.hProcess; }
    bool Ended() const;
    // STILL_ACTIVE while the program runs.
    DWORD ExitCode() const;
    // Ends the program at once, and waits until it has ended.
    void Kill();

private:
    PROCESS_INFORMATION process_ = {};
    bool started_ = false;
};
