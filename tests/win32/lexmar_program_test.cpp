#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "message_log.h"
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

// The argument is read as wide text: a phrase with letters outside the system's code page stands whole
// in the Word box, and its first word gets the accented word of the list.
TEST(LexmarProgram, OpensWithItsArgumentChecked)
{
    FixedListFolder lists({{"Spell.txt", "caf\xe9\nreceive\nword\n"}, {"Misspell.txt", "$receive\nrecieve\n"},
                           {"Local.txt", ""}, {"Prefix.txt", ""}});
    std::wstring program = WideOf(ProgramBeside("lexmar.exe"));
    std::wstring commandLine = L"\"" + program + L"\" \"cafe \u03bb\u03cc\u03b3\u03bf\u03c2\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process))
        << Utf8Of(program.c_str());

    HWND dialog = WaitForDialog(process.dwProcessId, process.hProcess);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ControlText(dialog, IDC_WORD_BOX), u8"cafe \u03bb\u03cc\u03b3\u03bf\u03c2");
    EXPECT_EQ(ControlText(dialog, IDC_WORD_STATUS), "Incorrect");
    std::vector<std::string> entries = ListEntries(dialog, IDC_SUGGESTION_LIST);
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries[0], u8"caf\u00e9");

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
