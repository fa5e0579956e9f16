#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "word_dialog_ids.h"

namespace {

// The real program reads the word lists from the fixed folder of this (throw-away) Wine prefix;
// whatever lists were there are put back afterwards.
class FixedListFolder {
public:
    explicit FixedListFolder(const std::vector<std::pair<std::string, std::string>>& files)
    {
        CreateDirectoryA("C:\\ZOLT", nullptr);
        CreateDirectoryA("C:\\ZOLT\\SPELL", nullptr);
        for (const auto& file : files) {
            std::string path = "C:\\ZOLT\\SPELL\\" + file.first;
            std::ifstream in(path, std::ios::binary);
            std::ostringstream bytes;
            if (in)
                bytes << in.rdbuf();
            saved_.push_back({path, bool(in), bytes.str()});
            in.close();
            std::ofstream(path, std::ios::binary | std::ios::trunc) << file.second;
        }
    }
    ~FixedListFolder()
    {
        for (const Saved& s : saved_) {
            if (s.existed)
                std::ofstream(s.path, std::ios::binary | std::ios::trunc) << s.bytes;
            else
                DeleteFileA(s.path.c_str());
        }
    }

private:
    struct Saved {
        std::string path;
        bool existed;
        std::string bytes;
    };
    std::vector<Saved> saved_;
};

std::string ProgramBeside(const char* name)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1) + name;
}

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindDialogOf(HWND window, LPARAM lParam)
{
    Search* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    if (owner == search->processId && std::string(title) == "Spellmar") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// List entries of another process's dialog, read through the Unicode messages, which Wine passes
// between processes unchanged.
std::vector<std::string> RemoteListEntries(HWND dialog, int listId)
{
    std::vector<std::string> entries;
    HWND list = GetDlgItem(dialog, listId);
    LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; i++) {
        wchar_t text[256] = {};
        if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < 255)
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        char narrow[256] = {};
        WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
        entries.push_back(narrow);
    }
    return entries;
}

HWND WaitForDialog(DWORD processId, HANDLE process)
{
    for (int tries = 0; tries < 600; tries++) {
        Search search = {processId, nullptr};
        EnumWindows(FindDialogOf, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr && IsWindowVisible(search.found))
            return search.found;
        if (WaitForSingleObject(process, 50) == WAIT_OBJECT_0)
            return nullptr;
    }
    return nullptr;
}

TEST(LexmarProgram, OpensWithItsArgumentChecked)
{
    FixedListFolder lists({{"Spell.txt", "receive\nword\n"}, {"Misspell.txt", "$receive\nrecieve\n"},
                           {"Local.txt", ""}, {"Prefix.txt", ""}});
    std::string program = ProgramBeside("lexmar.exe");
    std::string commandLine = "\"" + program + "\" \"recieve\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process))
        << program;

    HWND dialog = WaitForDialog(process.dwProcessId, process.hProcess);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ControlText(dialog, IDC_WORD_BOX), "recieve");
    EXPECT_EQ(ControlText(dialog, IDC_WORD_STATUS), "Incorrect");
    EXPECT_EQ(RemoteListEntries(dialog, IDC_SUGGESTION_LIST), std::vector<std::string>{"receive"});

    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    if (exitCode == STILL_ACTIVE)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

} // namespace
