#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialog_layout.h"
#include "spell_dialog.h"
#include "spell_fixture.h"
#include "spell_run_state.h"
#include "spell_tables.h"
#include "word_dialog_ids.h"

namespace {

class SpellDialog : public SpellFixture {
protected:
    // Opens the dialog on a document word, as the run does, with the test's own record.
    void Open(const std::string& word)
    {
        std::strcpy(run.currentWord, word.c_str());
        run.currentLength = static_cast<int32_t>(word.size());
        std::strcpy(run.replacement, NoReplacement);
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(WORD_DIALOG_ID), owner.Window(),
                        SpellDialogProc, reinterpret_cast<LPARAM>(&run));
    }

    TestDocument owner{""};
    SpellRunRecord run = {};
};

// The spell dialog's own buttons, between the suggestion list and Cancel.
const std::vector<ControlLayout> SpellButtons = {{1003, "Button", "&Ignore Once", {150, 20, 50, 14}},
                                                 {1004, "Button", "I&gnore All", {150, 36, 50, 14}},
                                                 {1005, "Button", "&Word Add", {150, 52, 50, 14}},
                                                 {1006, "Button", "&Change", {150, 68, 50, 14}},
                                                 {1007, "Button", "Change &All", {150, 84, 50, 14}},
                                                 {1008, "Button", "&Spell Check", {150, 100, 50, 14}}};

TEST_F(SpellDialog, HasItsControlsInTabOrder)
{
    driver.Then([&](HWND d) {
        ExpectLayout(d, WordDialogLayout("teh", "Incorrect", SpellButtons, 1010), IDC_SPELL_SELECTED_WORD);
        EXPECT_EQ(GetWindow(d, GW_OWNER), owner.Window());
        Press(d, IDC_SPELL_CANCEL);
    });
    Open("teh");
}

TEST_F(SpellDialog, SpellCheckTakesTheFirstWordOfTheBoxAndKeepsTheBox)
{
    Seen known, typed;
    driver.Then([&](HWND d) {
        SetDlgItemTextA(d, IDC_WORD_BOX, "every");
        Press(d, IDC_SPELL_CHECK);
        known = Look(d);
        SetDlgItemTextA(d, IDC_WORD_BOX, "  Teh!");
        Press(d, IDC_SPELL_CHECK);
        typed = Look(d);
        Press(d, IDC_SPELL_CANCEL);
    });
    Open("wrod");

    EXPECT_EQ(known.status, "OK");
    EXPECT_EQ(known.entries, std::vector<std::string>{"every"});
    EXPECT_EQ(typed.word, "  Teh!");
    EXPECT_EQ(typed.status, "Incorrect");
    EXPECT_EQ(typed.entries, std::vector<std::string>{"The"});
    EXPECT_STREQ(run.typedText, "Teh");
    // Word Add still offers the word the dialog opened with.
    EXPECT_STREQ(run.wordToAdd, "wrod");
    EXPECT_EQ(run.stopRun, 1);
}

// The document's word (Windows-1252) shows with its accents, a picked suggestion with accents becomes the
// replacement in Windows-1252, and the Word box reads the typographic apostrophe as the apostrophe.
TEST_F(SpellDialog, WordsWithAccentsGoBothWays)
{
    folder.WriteLines("Spell.txt", {"caf\xe9", "cat", "isn't", "na\xefve"});
    Seen opened, apostrophe;
    std::string picked, typedWithApostrophe;
    driver.Then([&](HWND d) {
        opened = Look(d);
        SetDlgItemTextW(d, IDC_WORD_BOX, L"isn\u2019t");
        Press(d, IDC_SPELL_CHECK);
        apostrophe = Look(d);
        typedWithApostrophe = run.typedText;
        SetDlgItemTextW(d, IDC_WORD_BOX, L"caf\u00e9s");
        Press(d, IDC_SPELL_CHECK);
        ClickEntry(d, IDC_SUGGESTION_LIST, 0);
        picked = ControlText(d, IDC_SPELL_SELECTED_WORD);
        Press(d, IDC_CHANGE);
    });
    Open("caf\xe9s");

    EXPECT_EQ(opened.word, u8"caf\u00e9s");
    EXPECT_EQ(opened.status, "Incorrect");
    ASSERT_FALSE(opened.entries.empty());
    EXPECT_EQ(opened.entries[0], u8"caf\u00e9");
    EXPECT_EQ(picked, u8"caf\u00e9");
    EXPECT_STREQ(run.replacement, "caf\xe9");
    EXPECT_STREQ(run.wordToAdd, "caf\xe9s");
    EXPECT_EQ(apostrophe.status, "OK");
    EXPECT_EQ(apostrophe.entries, std::vector<std::string>{"isn't"});
    EXPECT_EQ(typedWithApostrophe, "isn't");
    EXPECT_STREQ(run.typedText, "caf\xe9s");
    EXPECT_EQ(run.action, ActionChange);
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(SpellDialog, EmptyAndOverlongWordBoxesAreRefusedWithWarnings)
{
    Seen before, after;
    driver.Then([&](HWND d) {
        before = Look(d);
        SetDlgItemTextA(d, IDC_WORD_BOX, "");
        Press(d, IDC_SPELL_CHECK);
        Press(d, IDC_IGNORE_ALL);
        SetDlgItemTextA(d, IDC_WORD_BOX, std::string(32, 'x').c_str());
        Press(d, IDC_SPELL_CHECK);
        Press(d, IDC_IGNORE_ALL);
        after = Look(d);
        Press(d, IDC_SPELL_CANCEL);
    });
    Open("teh");

    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"Plese enter a word to check!", "Plese enter a word to ignore!",
                                                          "Please enter a shorter word!", "Please enter a shorter word!"}));
    for (const ShownMessage& m : messages.Shown()) {
        EXPECT_EQ(m.caption, "Warning");
        EXPECT_EQ(m.style, static_cast<UINT>(MB_ICONEXCLAMATION));
    }
    // A refused check leaves the status, the list and the checked word as they were.
    EXPECT_EQ(after.status, before.status);
    EXPECT_EQ(after.entries, before.entries);
    EXPECT_STREQ(run.typedText, "teh");
    EXPECT_EQ(SpellTables.IgnoredCount, 0);
}

TEST_F(SpellDialog, PickingFollowsTheLastTouchedEntryAndANewCheckDropsIt)
{
    std::string afterFirst, afterSecond;
    driver.Then([&](HWND d) {
        // Two entries in the list to pick from.
        SendDlgItemMessageA(d, IDC_SUGGESTION_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("then"));
        ClickEntry(d, IDC_SUGGESTION_LIST, 0);
        afterFirst = ControlText(d, IDC_SPELL_SELECTED_WORD);
        ClickEntry(d, IDC_SUGGESTION_LIST, 1, true);
        afterSecond = ControlText(d, IDC_SPELL_SELECTED_WORD);
        EXPECT_EQ(SendDlgItemMessageA(d, IDC_SUGGESTION_LIST, LB_GETSELCOUNT, 0, 0), 2);
        Press(d, IDC_SPELL_CHECK);
        Press(d, IDC_CHANGE);
        Press(d, IDC_SPELL_CANCEL);
    });
    Open("teh");

    EXPECT_EQ(afterFirst, "the");
    EXPECT_EQ(afterSecond, "then");
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"No items selected!"});
    EXPECT_EQ(run.action, ActionNone);
}

TEST_F(SpellDialog, IgnoreAllTakesTheBoxUncleanedAndWarnsWhenTheListIsFull)
{
    driver.Then([&](HWND d) {
        SetDlgItemTextA(d, IDC_WORD_BOX, "wrod!");
        Press(d, IDC_IGNORE_ALL);
    });
    Open("wrod");
    EXPECT_EQ(SpellTables.IgnoredCount, 1);
    EXPECT_EQ(Text(SpellTables.IgnoredWords[1]), "wrod!");
    EXPECT_EQ(run.stopRun, 0);

    SpellTables.IgnoredCount = IgnoredCapacity;
    driver.Then([&](HWND d) {
        Press(d, IDC_IGNORE_ALL);
        Press(d, IDC_SPELL_CANCEL);
    });
    Open("xyzzy");
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"No more room to add!"});
    EXPECT_STREQ(run.typedText, "xyzzy");
    EXPECT_EQ(run.stopRun, 1);
}

} // namespace
