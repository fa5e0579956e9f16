#include <gtest/gtest.h>

#include <deque>
#include <string>

#include <windows.h>
#include <dlgs.h>

#include <cstring>
#include <string>

#include "editor_harness.h"
#include "find_replace.h"
#include "shell_state.h"

namespace {

// Counts the messages that change the text of the edit control it is installed on.
WNDPROC editProcedure = nullptr;
int textChanges = 0;

LRESULT CALLBACK CountingEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == EM_REPLACESEL || message == WM_SETTEXT)
        ++textChanges;
    return CallWindowProcA(editProcedure, edit, message, wParam, lParam);
}

class FindReplaceTest : public SharedFrameTest {
protected:
    void SetUp() override
    {
        SharedFrameTest::SetUp();
        findWhat[0] = L'\0';
        replaceWith[0] = L'\0';
        searchPos = 0;
    }

    void TearDown() override
    {
        if (hFindDialog != nullptr)
            DestroyWindow(hFindDialog);
        hFindDialog = nullptr;
        SharedFrameTest::TearDown();
    }

    // Types into the open dialog and presses one of its buttons, as the user would.
    static void TypeInDialog(int field, const char* text)
    {
        ASSERT_NE(hFindDialog, nullptr);
        SetDlgItemTextA(hFindDialog, field, text);
        PumpMessages();
    }

    static void PressInDialog(int button)
    {
        ASSERT_NE(hFindDialog, nullptr);
        HWND control = GetDlgItem(hFindDialog, button);
        ASSERT_NE(control, nullptr);
        SendMessageA(hFindDialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(control));
        PumpMessages();
    }

    static void ExpectSelection(HWND document, int start, int end)
    {
        int first = -1;
        int last = -1;
        SelectionOf(document, first, last);
        EXPECT_EQ(first, start);
        EXPECT_EQ(last, end);
    }

    // The texts of the records live as long as the test program: the system's record only points at them.
    static wchar_t* Kept(const char* text)
    {
        static std::deque<std::wstring> kept;
        if (text == nullptr)
            return nullptr;
        kept.push_back(WideOf(text));
        return &kept.back()[0];
    }

    static FINDREPLACEW Record(const char* find, const char* replacement, DWORD flags)
    {
        FINDREPLACEW record = {};
        record.lStructSize = sizeof(record);
        record.Flags = flags;
        record.lpstrFindWhat = Kept(find);
        record.lpstrReplaceWith = Kept(replacement);
        return record;
    }

    MessageLog messages;
};

TEST_F(FindReplaceTest, FindNextWalksForwardWithoutWrapping)
{
    HWND document = Document("one two one");
    SendMessageA(hMainWindow, WM_COMMAND, 40018, 0);
    ASSERT_TRUE(IsWindow(hFindDialog));
    TypeInDialog(edt1, "one");

    PressInDialog(IDOK);
    ExpectSelection(document, 0, 3);
    PressInDialog(IDOK);
    ExpectSelection(document, 8, 11);
    EXPECT_TRUE(messages.Shown().empty());

    PressInDialog(IDOK);
    ExpectSelection(document, 8, 11);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, "Find text not found!");
    EXPECT_EQ(messages.Shown()[0].caption, "Penmar");
    EXPECT_EQ(messages.Shown()[0].owner, EditOf(document));
    EXPECT_EQ(messages.Shown()[0].style, static_cast<UINT>(MB_ICONEXCLAMATION));

    PressInDialog(IDCANCEL);
    EXPECT_EQ(hFindDialog, nullptr);
    EXPECT_STREQ(findWhat, L"one");   // kept for the next dialog and F3
}

TEST_F(FindReplaceTest, MatchesExactBytesAnywhere)
{
    HWND onlyLower = Document("one");
    int position = 0;
    EXPECT_FALSE(FindInEdit(EditOf(onlyLower), position, Record("One", nullptr, 0)));
    EXPECT_EQ(position, 0);

    HWND done = Document("done");
    position = 0;
    EXPECT_TRUE(FindInEdit(EditOf(done), position, Record("on", nullptr, 0)));
    EXPECT_EQ(lastFoundPos, 1);
    EXPECT_EQ(position, 3);
    ExpectSelection(done, 1, 3);

    // An empty search text finds nothing rather than matching in place.
    position = 0;
    EXPECT_FALSE(FindInEdit(EditOf(done), position, Record("", nullptr, 0)));
}

TEST_F(FindReplaceTest, SearchPositionBeyondTheTextFindsNothing)
{
    HWND document = Document("one two one");
    int position = 500;
    EXPECT_FALSE(FindInEdit(EditOf(document), position, Record("one", nullptr, 0)));
    EXPECT_EQ(position, 500);
    position = 11;   // exactly at the end
    EXPECT_FALSE(FindInEdit(EditOf(document), position, Record("one", nullptr, 0)));

    // The selection is still the one the Find command found, so the search goes on from searchPos,
    // which the text no longer reaches.
    SendMessageA(hMainWindow, WM_COMMAND, 40018, 0);
    searchPos = 500;
    FINDREPLACEW request = Record("one", "two", FR_FINDNEXT);
    HandleFindRequest(document, reinterpret_cast<LPARAM>(&request));
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, "Find text not found!");
    EXPECT_EQ(DocumentText(document), "one two one");
}

TEST_F(FindReplaceTest, FindNextKeyOpensTheDialogUntilSomethingWasSearched)
{
    HWND document = Document("one two one");
    SendMessageA(hMainWindow, WM_COMMAND, 40019, 0);
    ASSERT_TRUE(IsWindow(hFindDialog));
    PressInDialog(IDCANCEL);
    ASSERT_EQ(hFindDialog, nullptr);

    lstrcpyW(findWhat, L"one");
    SelectText(document, 0, 0);
    SendMessageA(hMainWindow, WM_COMMAND, 40019, 0);
    EXPECT_EQ(hFindDialog, nullptr);
    ExpectSelection(document, 0, 3);
    SendMessageA(hMainWindow, WM_COMMAND, 40019, 0);
    ExpectSelection(document, 8, 11);
    SendMessageA(hMainWindow, WM_COMMAND, 40019, 0);   // nothing more: no message either
    ExpectSelection(document, 8, 11);
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(FindReplaceTest, ReplaceTakesTheMatchJustBeforeTheCaret)
{
    HWND document = Document("cat dog cat");
    SelectText(document, 3, 3);
    SendMessageA(hMainWindow, WM_COMMAND, 40020, 0);
    ASSERT_TRUE(IsWindow(hFindDialog));
    TypeInDialog(edt1, "cat");
    TypeInDialog(edt2, "cow");
    PressInDialog(psh1);
    EXPECT_EQ(DocumentText(document), "cow dog cat");
    ExpectSelection(document, 0, 3);

    // Find Next, then Replace: the match shown is the one replaced.
    PressInDialog(IDOK);
    ExpectSelection(document, 8, 11);
    PressInDialog(psh1);
    EXPECT_EQ(DocumentText(document), "cow dog cow");
    PressInDialog(psh1);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, "Text not found!");
}

TEST_F(FindReplaceTest, ReplaceAllReplacesEveryMatchAfterTheCaret)
{
    HWND document = Document("cat cat cat");
    SendMessageA(hMainWindow, WM_COMMAND, 40020, 0);
    TypeInDialog(edt1, "cat");
    TypeInDialog(edt2, "dog");
    PressInDialog(psh2);
    EXPECT_EQ(DocumentText(document), "dog dog dog");
    EXPECT_TRUE(messages.Shown().empty());

    HWND other = Document("no such word");
    SendMessageA(hMainWindow, WM_COMMAND, 40020, 0);
    PressInDialog(psh2);
    EXPECT_EQ(DocumentText(other), "no such word");
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, "Text not found!");

    // With the caret after the last match the search steps back less than a whole match: the
    // user is told nothing was found, and then nothing may change.
    HWND after = Document("cat  ");
    SendMessageA(GetDlgItem(after, DocumentEditId), EM_SETSEL, 5, 5);
    SendMessageA(hMainWindow, WM_COMMAND, 40020, 0);
    PressInDialog(psh2);
    EXPECT_EQ(DocumentText(after), "cat  ");
    ASSERT_EQ(messages.Shown().size(), 2u);
    EXPECT_EQ(messages.Shown()[1].text, "Text not found!");
}

TEST_F(FindReplaceTest, ReplaceAllEndsWhenTheReplacementHoldsTheSearchText)
{
    HWND document = Document("a cat, a cat");
    FINDREPLACEW request = Record("cat", "concat", FR_REPLACEALL);
    searchPos = 0;
    HandleFindRequest(document, reinterpret_cast<LPARAM>(&request));
    EXPECT_EQ(DocumentText(document), "a concat, a concat");

    HWND doubled = Document("aXa");
    FINDREPLACEW grow = Record("a", "aa", FR_REPLACEALL);
    searchPos = 0;
    HandleFindRequest(doubled, reinterpret_cast<LPARAM>(&grow));
    EXPECT_EQ(DocumentText(doubled), "aaXaa");
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(FindReplaceTest, ReplaceAllChangesTheTextOnceAndSelectsTheLastReplacement)
{
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "cat and dog\r\n";
    HWND document = Document(text.c_str());
    HWND edit = EditOf(document);
    SelectText(document, 13, 13);   // the caret at the start of the second line
    SendMessageA(hMainWindow, WM_COMMAND, 40020, 0);
    TypeInDialog(edt1, "cat");
    TypeInDialog(edt2, "lion");
    ASSERT_EQ(SendMessageA(edit, EM_GETMODIFY, 0, 0), FALSE);

    textChanges = 0;
    editProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingEditProc)));
    PressInDialog(psh2);
    SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProcedure));

    std::string replaced = "cat and dog\r\n";
    for (int i = 1; i < 300; ++i)
        replaced += "lion and dog\r\n";
    EXPECT_EQ(DocumentText(document), replaced);
    EXPECT_EQ(textChanges, 1);
    const int lastLion = 13 + 298 * 14;
    ExpectSelection(document, lastLion, lastLion + 4);
    EXPECT_EQ(searchPos, lastLion + 4);
    EXPECT_NE(SendMessageA(edit, EM_GETMODIFY, 0, 0), FALSE);
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(FindReplaceTest, OnceTheUserMovesTheCaretTheDialogSearchesFromIt)
{
    HWND document = Document("dog one fox two fox three");
    SelectText(document, 25, 25);
    SendMessageA(hMainWindow, WM_COMMAND, 40020, 0);
    TypeInDialog(edt1, "dog");
    TypeInDialog(edt2, "cow");
    SelectText(document, 0, 0);   // a click at the start, with the dialog open
    PressInDialog(psh2);
    EXPECT_EQ(DocumentText(document), "cow one fox two fox three");
    EXPECT_TRUE(messages.Shown().empty());

    TypeInDialog(edt1, "fox");
    SelectText(document, 12, 12);   // between the two foxes
    PressInDialog(IDOK);
    ExpectSelection(document, 16, 19);
    SelectText(document, 8, 11);   // the first fox selected by hand: Replace takes it
    PressInDialog(psh1);
    EXPECT_EQ(DocumentText(document), "cow one cow two fox three");
    ExpectSelection(document, 8, 11);
    // Left as the replacement left it, the selection lets Find Next go on from there.
    PressInDialog(IDOK);
    ExpectSelection(document, 16, 19);
    EXPECT_TRUE(messages.Shown().empty());
}

// The dialogs belong to the frame, so that they stay in front of it, and search the document in front,
// whichever document opened them.
TEST_F(FindReplaceTest, TheDialogsStayWithTheFrameAndSearchTheDocumentInFront)
{
    HWND opener = Document("one one");
    SendMessageA(hMainWindow, WM_COMMAND, 40018, 0);
    ASSERT_TRUE(IsWindow(hFindDialog));
    EXPECT_EQ(GetWindow(hFindDialog, GW_OWNER), hMainWindow);
    TypeInDialog(edt1, "one");
    HWND other = Document("two one");
    ActivateDocument(other);
    ASSERT_EQ(ActiveDocumentWindow(), other);

    PressInDialog(IDOK);
    ExpectSelection(other, 4, 7);
    ExpectSelection(opener, 0, 0);
    // F3 searches the document in front too.
    ActivateDocument(opener);
    SendMessageA(hMainWindow, WM_COMMAND, 40019, 0);
    ExpectSelection(opener, 0, 3);
    ExpectSelection(other, 4, 7);
    PressInDialog(IDCANCEL);

    SendMessageA(hMainWindow, WM_COMMAND, 40020, 0);
    ASSERT_TRUE(IsWindow(hFindDialog));
    EXPECT_EQ(GetWindow(hFindDialog, GW_OWNER), hMainWindow);
    TypeInDialog(edt2, "six");
    ActivateDocument(other);
    PressInDialog(psh2);
    EXPECT_EQ(DocumentText(other), "two six");
    EXPECT_EQ(DocumentText(opener), "one one");
    EXPECT_TRUE(messages.Shown().empty());
}

} // namespace
