#include "started_programs.h"

#include "message_log.h"

namespace {

std::string ProgramBeside(const char* name)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1) + name;
}

} // namespace

std::string WithinLongestProgramWait()
{
    return "within " + std::to_string(LongestProgramWait / 1000) + " s";
}

StartedProgram::StartedProgram(const char* name, const std::wstring& arguments)
{
    std::wstring commandLine = L"\"" + WideOf(ProgramBeside(name)) + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    started_ = CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &process_) != FALSE;
}

bool StartedProgram::Ended() const
{
    return started_ && WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
}

DWORD StartedProgram::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    if (started_)
        GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

void StartedProgram::Kill()
{
    if (!started_)
        return;
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, LongestProgramWait);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    started_ = false;
}

HWND TopWindowOf(DWORD processId, const char* className, const char* title)
{
    for (HWND window = FindWindowExA(nullptr, nullptr, className, title); window != nullptr;
         window = FindWindowExA(nullptr, window, className, title)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId)
            return window;
    }
    return nullptr;
}
