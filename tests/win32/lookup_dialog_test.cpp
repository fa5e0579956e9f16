#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "dialog_layout.h"
#include "lookup_dialog.h"
#include "lookup_state.h"
#include "message_log.h"
#include "spell_fixture.h"
#include "start_word.h"
#include "word_dialog_ids.h"

namespace {

using LookupDialog = SpellFixture;

std::wstring StartWord(const std::wstring& commandLine)
{
    wchar_t word[StartWordWidth + 1];
    StartWordFromCommandLine(commandLine.c_str(), word);
    return word;
}

TEST(LookupStartWord, IsTheFirstArgumentWithoutQuotesCutAt80)
{
    const std::pair<std::wstring, std::wstring> commandLinesAndWords[] = {
        {L"lexmar.exe", L""},
        {L"lexmar.exe \"\"", L""},
        {L"lexmar.exe recieve other", L"recieve"},
        {L"\"C:/ZOLT/lexmar.exe \" \"teh cat\"", L"teh cat"},
        {L"lexmar.exe\t\"two  words  \"  third", L"two  words"},
        {L"lexmar.exe pre\"fix word\"s", L"prefix words"},
        {L"lexmar.exe " + std::wstring(100, L'q'), std::wstring(80, L'q')},
        {L"lexmar.exe \"caf\u00e9 \u03bb\u03cc\u03b3\u03bf\u03c2\"", L"caf\u00e9 \u03bb\u03cc\u03b3\u03bf\u03c2"},
    };
    for (const auto& c : commandLinesAndWords)
        EXPECT_EQ(StartWord(c.first), c.second) << Utf8Of(c.first.c_str());
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
    RunLookupTool(GetModuleHandleW(nullptr), L"");
}

TEST_F(LookupDialog, WithoutAStartWordOpensEmpty)
{
    Seen seen;
    driver.Then([&](HWND d) { seen = Look(d); Press(d, IDC_LOOKUP_CANCEL); });
    EXPECT_EQ(RunLookupTool(GetModuleHandleW(nullptr), L""), 0);

    EXPECT_EQ(seen.word, "");
    EXPECT_EQ(seen.status, " ");
    EXPECT_TRUE(seen.entries.empty());
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(LookupDialog, ChecksTheStartWordAsItOpens)
{
    struct Case {
        const wchar_t* startWord;
        const char* status;
        std::vector<std::string> entries;
    };
    // A phrase stands whole in the Word box, and its first word is checked.
    for (const Case& c : {Case{L"recieve", "Incorrect", {"receive"}}, Case{L"every word", "OK", {"every"}}}) {
        Seen seen;
        driver.Then([&](HWND d) { seen = Look(d); Press(d, IDC_LOOKUP_CANCEL); });
        RunLookupTool(GetModuleHandleW(nullptr), c.startWord);

        EXPECT_EQ(seen.word, Utf8Of(c.startWord));
        EXPECT_EQ(seen.status, c.status);
        EXPECT_EQ(seen.entries, c.entries);
        EXPECT_EQ(LookupState.hasStartWord, 0);
    }
}

// Words with accents are checked and shown, the typographic apostrophe is the apostrophe, and a word
// with letters outside Windows-1252 stands in the Word box, known to no list and given no suggestion.
TEST_F(LookupDialog, ShowsAndTakesWordsWithAccents)
{
    folder.WriteLines("Spell.txt", {"caf\xe9", "cat", "isn't"});
    Seen opened, greek, unaccented, apostrophe;
    std::string picked;
    driver.Then([&](HWND d) {
        opened = Look(d);
        SetDlgItemTextW(d, IDC_WORD_BOX, L"\u03bb\u03cc\u03b3\u03bf\u03c2");
        Press(d, IDC_LOOKUP_CHECK);
        greek = Look(d);
        SetDlgItemTextW(d, IDC_WORD_BOX, L"cafe");
        Press(d, IDC_LOOKUP_CHECK);
        unaccented = Look(d);
        ClickEntry(d, IDC_SUGGESTION_LIST, 0);
        picked = ControlText(d, IDC_LOOKUP_SELECTED_WORD);
        SetDlgItemTextW(d, IDC_WORD_BOX, L"isn\u2019t");
        Press(d, IDC_LOOKUP_CHECK);
        apostrophe = Look(d);
        Press(d, IDC_LOOKUP_CANCEL);
    });
    RunLookupTool(GetModuleHandleW(nullptr), L"caf\u00e9 \u03bb\u03cc\u03b3\u03bf\u03c2");

    EXPECT_EQ(opened.word, u8"caf\u00e9 \u03bb\u03cc\u03b3\u03bf\u03c2");
    EXPECT_EQ(opened.status, "OK");
    EXPECT_EQ(opened.entries, std::vector<std::string>{u8"caf\u00e9"});
    EXPECT_EQ(greek.word, u8"\u03bb\u03cc\u03b3\u03bf\u03c2");
    EXPECT_EQ(greek.status, "Incorrect");
    EXPECT_TRUE(greek.entries.empty());
    EXPECT_EQ(unaccented.status, "Incorrect");
    ASSERT_FALSE(unaccented.entries.empty());
    EXPECT_EQ(unaccented.entries[0], u8"caf\u00e9");
    EXPECT_EQ(picked, u8"caf\u00e9");
    EXPECT_STREQ(LookupState.pickedText, "caf\xe9");
    EXPECT_EQ(apostrophe.word, u8"isn\u2019t");
    EXPECT_EQ(apostrophe.status, "OK");
    EXPECT_EQ(apostrophe.entries, std::vector<std::string>{"isn't"});
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(LookupDialog, AnOverlongStartWordIsRefused)
{
    const std::string overlong(40, 'w');
    Seen seen;
    driver.Then([&](HWND d) { seen = Look(d); Press(d, IDC_LOOKUP_CANCEL); });
    RunLookupTool(GetModuleHandleW(nullptr), WideOf(overlong).c_str());

    EXPECT_EQ(seen.word, overlong);
    EXPECT_EQ(seen.status, " ");
    EXPECT_TRUE(seen.entries.empty());
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, "Please enter a shorter word!");
    EXPECT_EQ(messages.Shown()[0].caption, "Warning");
}

// A missing main list, and an empty one (which once passed for a list that knows no word), are named.
TEST_F(LookupDialog, WithoutItsWordListTheCheckNamesTheListAndTheDialogStaysOpen)
{
    for (bool empty : {false, true}) {
        if (empty)
            folder.WriteFile("Spell.txt", "");
        else
            folder.Remove("Spell.txt");
        messages.Clear();
        Seen opened, checkedAgain;
        driver.Then([&](HWND d) {
            opened = Look(d);
            Press(d, IDC_LOOKUP_CHECK);
            checkedAgain = Look(d);
            Press(d, IDC_LOOKUP_CANCEL);
        });
        RunLookupTool(GetModuleHandleW(nullptr), L"hello");

        for (const Seen& seen : {opened, checkedAgain}) {
            EXPECT_EQ(seen.word, "hello");
            EXPECT_EQ(seen.status, " ") << "empty: " << empty;
            EXPECT_TRUE(seen.entries.empty());
        }
        ASSERT_EQ(messages.Shown().size(), 2u) << "empty: " << empty;
        for (const ShownMessage& m : messages.Shown()) {
            EXPECT_EQ(m.text, "Could not load the word list C:\\ZOLT\\SPELL\\Spell.txt");
            EXPECT_EQ(m.caption, "Error");
            EXPECT_NE(m.owner, nullptr);
        }
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
    RunLookupTool(GetModuleHandleW(nullptr), L"recieve");

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
    EXPECT_EQ(RunLookupTool(GetModuleHandleW(nullptr), L"recieve"), 0);

    EXPECT_EQ(cleared.word, "recieve");
    EXPECT_EQ(cleared.status, "");
    EXPECT_TRUE(cleared.entries.empty());
    EXPECT_EQ(selected, "");
    EXPECT_EQ(checkedAgain.status, "Incorrect");
    EXPECT_EQ(checkedAgain.entries, std::vector<std::string>{"receive"});
    EXPECT_EQ(driver.Opened(), 1);
}

} // namespace
