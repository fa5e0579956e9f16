#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "dialog_layout.h"
#include "lookup_dialog.h"
#include "lookup_state.h"
#include "spell_fixture.h"
#include "start_word.h"
#include "word_dialog_ids.h"

namespace {

using LookupDialog = SpellFixture;

std::string StartWord(const std::string& commandLine)
{
    char word[StartWordWidth + 1];
    StartWordFromCommandLine(commandLine.c_str(), word);
    return word;
}

TEST(LookupStartWord, IsTheFirstArgumentWithoutQuotesCutAt80)
{
    const std::pair<std::string, std::string> commandLinesAndWords[] = {
        {"lexmar.exe", ""},
        {"lexmar.exe \"\"", ""},
        {"lexmar.exe recieve other", "recieve"},
        {"\"C:/ZOLT/lexmar.exe \" \"teh cat\"", "teh cat"},
        {"lexmar.exe\t\"two  words  \"  third", "two  words"},
        {"lexmar.exe pre\"fix word\"s", "prefix words"},
        {"lexmar.exe " + std::string(100, 'q'), std::string(80, 'q')},
    };
    for (const auto& c : commandLinesAndWords)
        EXPECT_EQ(StartWord(c.first), c.second) << c.first;
}

// The lookup tool's own buttons, between the suggestion list and Cancel.
const std::vector<ControlLayout> LookupButtons = {{1003, "Button", "&Spell Check", {150, 30, 50, 14}},
                                                  {1005, "Button", "&Remove", {150, 47, 50, 14}},
                                                  {1004, "Button", "&Clear", {150, 63, 50, 14}}};

TEST_F(LookupDialog, HasItsControlsInTabOrder)
{
    driver.Then([&](HWND d) {
        ExpectLayout(d, WordDialogLayout("", " ", LookupButtons, 1006), IDC_LOOKUP_SELECTED_WORD);
        EXPECT_EQ(GetWindow(d, GW_OWNER), nullptr);
        Press(d, IDC_LOOKUP_CANCEL);
    });
    RunLookupTool(GetModuleHandleA(nullptr), "");
}

TEST_F(LookupDialog, WithoutAStartWordOpensEmpty)
{
    Seen seen;
    driver.Then([&](HWND d) { seen = Look(d); Press(d, IDC_LOOKUP_CANCEL); });
    EXPECT_EQ(RunLookupTool(GetModuleHandleA(nullptr), ""), 0);

    EXPECT_EQ(seen.word, "");
    EXPECT_EQ(seen.status, " ");
    EXPECT_TRUE(seen.entries.empty());
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(LookupDialog, ChecksTheStartWordAsItOpens)
{
    struct Case {
        const char* startWord;
        const char* status;
        std::vector<std::string> entries;
    };
    // A phrase stands whole in the Word box, and its first word is checked.
    for (const Case& c : {Case{"recieve", "Incorrect", {"receive"}}, Case{"every word", "OK", {"every"}}}) {
        Seen seen;
        driver.Then([&](HWND d) { seen = Look(d); Press(d, IDC_LOOKUP_CANCEL); });
        RunLookupTool(GetModuleHandleA(nullptr), c.startWord);

        EXPECT_EQ(seen.word, c.startWord);
        EXPECT_EQ(seen.status, c.status);
        EXPECT_EQ(seen.entries, c.entries);
        EXPECT_EQ(LookupState.hasStartWord, 0);
    }
}

TEST_F(LookupDialog, AnOverlongStartWordIsRefused)
{
    const std::string overlong(40, 'w');
    Seen seen;
    driver.Then([&](HWND d) { seen = Look(d); Press(d, IDC_LOOKUP_CANCEL); });
    RunLookupTool(GetModuleHandleA(nullptr), overlong.c_str());

    EXPECT_EQ(seen.word, overlong);
    EXPECT_EQ(seen.status, " ");
    EXPECT_TRUE(seen.entries.empty());
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, "Please enter a shorter word!");
    EXPECT_EQ(messages.Shown()[0].caption, "Warning");
}

TEST_F(LookupDialog, WithoutItsWordListTheCheckNamesTheListAndTheDialogStaysOpen)
{
    folder.Remove("Spell.txt");
    Seen opened, checkedAgain;
    driver.Then([&](HWND d) {
        opened = Look(d);
        Press(d, IDC_LOOKUP_CHECK);
        checkedAgain = Look(d);
        Press(d, IDC_LOOKUP_CANCEL);
    });
    RunLookupTool(GetModuleHandleA(nullptr), "hello");

    for (const Seen& seen : {opened, checkedAgain}) {
        EXPECT_EQ(seen.word, "hello");
        EXPECT_EQ(seen.status, " ");
        EXPECT_TRUE(seen.entries.empty());
    }
    ASSERT_EQ(messages.Shown().size(), 2u);
    for (const ShownMessage& m : messages.Shown()) {
        EXPECT_EQ(m.text, "Could not load the word list C:\\ZOLT\\SPELL\\Spell.txt");
        EXPECT_EQ(m.caption, "Error");
        EXPECT_NE(m.owner, nullptr);
    }
}

TEST_F(LookupDialog, RemoveDeletesTheSelectedEntriesAndKeepsTheOrderOfTheRest)
{
    std::vector<std::string> left;
    std::string picked;
    driver.Then([&](HWND d) {
        Press(d, IDC_LOOKUP_REMOVE);   // nothing selected yet
        SendDlgItemMessageA(d, IDC_SUGGESTION_LIST, LB_RESETCONTENT, 0, 0);
        for (const char* entry : {"one", "two", "three", "four", "five"})
            SendDlgItemMessageA(d, IDC_SUGGESTION_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
        ClickEntry(d, IDC_SUGGESTION_LIST, 0);
        ClickEntry(d, IDC_SUGGESTION_LIST, 2, true);
        ClickEntry(d, IDC_SUGGESTION_LIST, 3, true);
        picked = ControlText(d, IDC_LOOKUP_SELECTED_WORD);
        Press(d, IDC_LOOKUP_REMOVE);
        left = ListEntries(d, IDC_SUGGESTION_LIST);
        Press(d, IDC_LOOKUP_CANCEL);
    });
    RunLookupTool(GetModuleHandleA(nullptr), "recieve");

    EXPECT_EQ(left, (std::vector<std::string>{"two", "five"}));
    EXPECT_EQ(picked, "four");
    EXPECT_STREQ(LookupState.pickedText, "four");
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, "No items selected!");
    EXPECT_EQ(messages.Shown()[0].style, static_cast<UINT>(MB_OK));
}

TEST_F(LookupDialog, ClearEmptiesAllButTheWordBoxAndEnterAndEscapeDoNothing)
{
    Seen cleared, checkedAgain;
    std::string selected;
    driver.Then([&](HWND d) {
        ClickEntry(d, IDC_SUGGESTION_LIST, 0);
        Press(d, IDC_LOOKUP_CLEAR);
        cleared = Look(d);
        selected = ControlText(d, IDC_LOOKUP_SELECTED_WORD);
        SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        Press(d, IDC_LOOKUP_CHECK);
        checkedAgain = Look(d);
        SendMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_EQ(RunLookupTool(GetModuleHandleA(nullptr), "recieve"), 0);

    EXPECT_EQ(cleared.word, "recieve");
    EXPECT_EQ(cleared.status, "");
    EXPECT_TRUE(cleared.entries.empty());
    EXPECT_EQ(selected, "");
    EXPECT_EQ(checkedAgain.status, "Incorrect");
    EXPECT_EQ(checkedAgain.entries, std::vector<std::string>{"receive"});
    EXPECT_EQ(driver.Opened(), 1);
}

} // namespace
