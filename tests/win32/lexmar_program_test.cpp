#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "started_programs.h"
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

const char DialogTitle[] = "Spellmar";

HWND VisibleDialogOf(DWORD processId)
{
    HWND dialog = TopWindowOf(processId, nullptr, DialogTitle);
    return dialog != nullptr && IsWindowVisible(dialog) ? dialog : nullptr;
}

// Why the dialog is not there: the program ended first, or the wait for it ran out.
std::string NoDialog(const StartedProgram& lexmar)
{
    std::string dialog = std::string("dialog titled \"") + DialogTitle + "\"";
    if (lexmar.Ended())
        return "lexmar ended with exit code " + std::to_string(lexmar.ExitCode()) + " before it showed a " + dialog;
    return "no lexmar " + dialog + " " + WithinLongestProgramWait();
}

// The argument is read as wide text: a phrase with letters outside the system's code page stands whole
// in the Word box, and its first word gets the accented word of the list.
TEST(LexmarProgram, OpensWithItsArgumentChecked)
{
    FixedListFolder lists({{"Spell.txt", "caf\xe9\nreceive\nword\n"}, {"Misspell.txt", "$receive\nrecieve\n"},
                           {"Local.txt", ""}, {"Prefix.txt", ""}});
    StartedProgram lexmar("lexmar.exe", L"\"cafe \u03bb\u03cc\u03b3\u03bf\u03c2\"");
    ASSERT_TRUE(lexmar.Started()) << "lexmar.exe beside the test program did not start";

    HWND dialog = nullptr;
    WaitUntil([&] {
        dialog = VisibleDialogOf(lexmar.Id());
        return dialog != nullptr || lexmar.Ended();
    });
    ASSERT_NE(dialog, nullptr) << NoDialog(lexmar);
    EXPECT_EQ(ControlText(dialog, IDC_WORD_BOX), u8"cafe \u03bb\u03cc\u03b3\u03bf\u03c2");
    EXPECT_EQ(ControlText(dialog, IDC_WORD_STATUS), "Incorrect");
    std::vector<std::string> entries = ListEntries(dialog, IDC_SUGGESTION_LIST);
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries[0], u8"caf\u00e9");

    PostMessageA(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return lexmar.Ended(); }))
        << "lexmar did not end " << WithinLongestProgramWait() << " after its dialog was closed";
    EXPECT_EQ(lexmar.ExitCode(), 0u);
}

} // namespace
