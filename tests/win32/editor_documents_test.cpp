// Document windows: menu enabling, closing and exiting with unsaved changes, edit keys, Tools > Dictionary.
#include "editor_harness.h"

#include "dialog_driver.h"
#include "dictionary_launch.h"
#include "documents.h"
#include "editor_hooks.h"
#include "status_bar.h"
#include "resource_ids.h"
#include "shell_state.h"

namespace {

bool Grayed(HMENU menu, UINT item, UINT by)
{
    return (GetMenuState(menu, item, by) & MF_GRAYED) != 0;
}

// The document-related state of the menu bar, as one string for readable comparisons.
std::string MenuState(HWND frame)
{
    HMENU menu = GetMenu(frame);
    // Positions of the popups, found by their titles (a maximized document adds a menu in front).
    std::string state;
    int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; position++) {
        char title[32] = "";
        GetMenuStringA(menu, position, title, sizeof(title), MF_BYPOSITION);
        std::string name = title;
        if (name == "&Edit" || name == "&Window" || name == "&Tools")
            state += name.substr(1) + (Grayed(menu, position, MF_BYPOSITION) ? "-" : "+") + " ";
    }
    state += std::string("Save") + (Grayed(menu, IDM_FILE_SAVE, MF_BYCOMMAND) ? "-" : "+");
    state += std::string(" SaveAs") + (Grayed(menu, IDM_FILE_SAVEAS, MF_BYCOMMAND) ? "-" : "+");
    state += std::string(" Close") + (Grayed(menu, IDM_FILE_CLOSE, MF_BYCOMMAND) ? "-" : "+");
    state += std::string(" Print") + (Grayed(menu, IDM_FILE_PRINT, MF_BYCOMMAND) ? "-" : "+");
    state += std::string(" Spelling") + (Grayed(menu, IDM_TOOLS_SPELLING, MF_BYCOMMAND) ? "-" : "+");
    return state;
}

// Spelling is enabled in the resource; its popup is what grays it at start.
const char* const AtStart = "Edit- Window- Tools- Save- SaveAs- Close- Print- Spelling+";
const char* const AllEnabled = "Edit+ Window+ Tools+ Save+ SaveAs+ Close+ Print+ Spelling+";

class DocumentTest : public EditorTest {
protected:
    // Starts the editor with one new document, changed by typing the text into it.
    HWND StartWithChangedDocument(const char* typed)
    {
        StartEditor(nullptr);
        SendMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
        HWND document = ActiveDocumentWindow();
        TypeText(document, typed);
        return document;
    }
};

TEST_F(DocumentTest, MenuFollowsDocumentsAsTheyOpenSwitchAndClose)
{
    StartEditor(nullptr);
    EXPECT_EQ(MenuState(frame), AtStart);

    SendMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
    HWND first = ActiveDocumentWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(MenuState(frame), AllEnabled);

    SendMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
    HWND second = ActiveDocumentWindow();
    ASSERT_NE(second, first);
    EXPECT_EQ(MenuState(frame), AllEnabled);
    EXPECT_EQ(CountDocuments(hMDIClient), 2);
    EXPECT_EQ(ActiveDocumentWindow(), second) << "counting cycles back to the window it began with";

    SendMessageA(hMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first), 0);
    EXPECT_EQ(ActiveDocumentWindow(), first);
    EXPECT_EQ(MenuState(frame), AllEnabled);

    // Closing one of two: the other becomes active and enables everything again.
    SendMessageA(frame, WM_COMMAND, IDM_FILE_CLOSE, 0);
    EXPECT_EQ(CountDocumentWindows(), 1);
    EXPECT_EQ(ActiveDocumentWindow(), second);
    EXPECT_EQ(MenuState(frame), AllEnabled);
    // The Window menu lists the one remaining document after Tile, Cascade and a separator.
    HMENU windowMenu = GetSubMenu(GetMenu(frame), MENU_POSITION_WINDOW);
    EXPECT_EQ(GetMenuItemCount(windowMenu), 4);

    // Closing the last leaves no active document: every document command is grayed.
    SendMessageA(frame, WM_COMMAND, IDM_FILE_CLOSE, 0);
    EXPECT_EQ(CountDocumentWindows(), 0);
    EXPECT_EQ(CountDocuments(hMDIClient), 0);
    EXPECT_EQ(GetMenuItemCount(windowMenu), 2);
    EXPECT_EQ(MenuState(frame), "Edit- Window- Tools- Save- SaveAs- Close- Print- Spelling-");
    EXPECT_TRUE(messages.Shown().empty());

    // With no document the document commands do nothing.
    SendMessageA(frame, WM_COMMAND, IDM_FILE_SAVEAS, 0);
    SendMessageA(frame, WM_COMMAND, IDM_EDIT_SELECTALL, 0);
    EXPECT_TRUE(seams.saveCalls.empty());
}

TEST_F(DocumentTest, MenuEnablingHitsTheRightPopupsWhileADocumentIsMaximized)
{
    StartEditor(nullptr);
    SendMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
    SendMessageA(hMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(ActiveDocumentWindow()), 0);
    SendMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
    EXPECT_EQ(MenuState(frame), AllEnabled);
    char title[32] = "";
    GetMenuStringA(GetMenu(frame), 1, title, sizeof(title), MF_BYPOSITION);
    EXPECT_FALSE(Grayed(GetMenu(frame), 1, MF_BYPOSITION)) << "the popup at position 1 is " << title;
}

TEST_F(DocumentTest, ClosingAnUnchangedDocumentAsksNothing)
{
    StartEditor(nullptr);
    SendMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
    SendMessageA(ActiveDocumentWindow(), WM_CLOSE, 0, 0);
    EXPECT_EQ(CountDocumentWindows(), 0);
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(DocumentTest, ClosingAChangedDocumentAnsweredNoClosesWithoutSaving)
{
    HWND document = StartWithChangedDocument("draft");
    messages.AnswerNext({IDNO});
    SendMessageA(frame, WM_COMMAND, IDM_FILE_CLOSE, 0);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, "Save current changes in [Untitled]?");
    EXPECT_EQ(messages.Shown()[0].caption, "Penmar");
    EXPECT_EQ(messages.Shown()[0].style, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(messages.Shown()[0].owner, document);
    EXPECT_TRUE(seams.saveCalls.empty());
    EXPECT_EQ(CountDocumentWindows(), 0);
}

TEST_F(DocumentTest, YesSavesADocumentToItsFileWithoutADialogAndClosesIt)
{
    std::string path = PathOf("kept.txt");
    WriteBytes(path, "old");
    StartEditor(path.c_str());
    HWND document = ActiveDocumentWindow();
    TypeText(document, "new ");
    messages.AnswerNext({IDYES});
    SendMessageA(document, WM_CLOSE, 0, 0);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, "Save current changes in " + path + "?");
    EXPECT_TRUE(seams.saveCalls.empty());
    EXPECT_EQ(ReadBytes(path), "new old");
    EXPECT_EQ(CountDocumentWindows(), 0);
}

TEST_F(DocumentTest, CancelLeavesTheDocumentOpenWithItsChanges)
{
    HWND document = StartWithChangedDocument("unsaved");
    messages.AnswerNext({IDCANCEL});
    SendMessageA(frame, WM_COMMAND, IDM_FILE_CLOSE, 0);
    EXPECT_EQ(messages.Shown().size(), 1u);
    EXPECT_TRUE(seams.saveCalls.empty());
    EXPECT_EQ(CountDocumentWindows(), 1);
    EXPECT_TRUE(IsModified(document));
    EXPECT_EQ(DocumentText(document), "unsaved");
}

TEST_F(DocumentTest, YesWithACancelledSaveKeepsTheDocumentAndItsChanges)
{
    HWND document = StartWithChangedDocument("unsaved");
    messages.AnswerNext({IDYES});
    SendMessageA(frame, WM_COMMAND, IDM_FILE_CLOSE, 0);
    ASSERT_EQ(seams.saveCalls.size(), 1u);
    EXPECT_EQ(seams.saveCalls[0].initialName, " ");
    EXPECT_EQ(CountDocumentWindows(), 1);
    EXPECT_TRUE(IsModified(document));
}

TEST_F(DocumentTest, ExitAsksForEachChangedDocumentAndStopsAtCancelOrASaveThatDoesNotGoThrough)
{
    std::string path = PathOf("named.txt");
    WriteBytes(path, "file");
    StartEditor(path.c_str());
    HWND named = ActiveDocumentWindow();
    TypeText(named, "a");
    SendMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
    HWND untitled = ActiveDocumentWindow();
    TypeText(untitled, "b");

    // No, then Cancel: the editor keeps running with both documents as they were.
    messages.AnswerNext({IDNO, IDCANCEL});
    SendMessageA(frame, WM_COMMAND, IDM_FILE_EXIT, 0);
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"Save current changes in [Untitled]?",
                                                          "Save current changes in " + path + "?"}));
    EXPECT_FALSE(QuitWasPosted());
    EXPECT_EQ(CountDocumentWindows(), 2);
    EXPECT_TRUE(IsModified(named) && IsModified(untitled));

    // Yes for the new document, whose Save As is cancelled: the exit stops there.
    messages.Clear();
    ActivateDocument(untitled);
    messages.AnswerNext({IDYES});
    SendMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(seams.saveCalls.size(), 1u);
    EXPECT_FALSE(QuitWasPosted());

    // No for the new one, Yes for the named one: it is saved to its file and the loop is told to end,
    // without closing the documents one by one.
    messages.Clear();
    ActivateDocument(untitled);
    messages.AnswerNext({IDNO, IDYES});
    SendMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(messages.Shown().size(), 2u);
    EXPECT_EQ(seams.saveCalls.size(), 1u);
    EXPECT_EQ(ReadBytes(path), "afile");
    EXPECT_TRUE(QuitWasPosted());
    EXPECT_EQ(CountDocumentWindows(), 2);
}

TEST_F(DocumentTest, ExitWithoutChangesEndsAtOnce)
{
    StartEditor(nullptr);
    SendMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
    SendMessageA(frame, WM_COMMAND, IDM_FILE_EXIT, 0);
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_TRUE(QuitWasPosted());
}

TEST_F(DocumentTest, DelAndCtrlAReachTheEditThroughTheAcceleratorTable)
{
    StartEditor(nullptr);
    SendMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
    HWND document = ActiveDocumentWindow();
    HWND edit = EditOf(document);
    SetWindowTextA(edit, "one two three");

    // Del with nothing selected deletes nothing: the key is the Delete command, not a key for the edit.
    SendMessageA(edit, EM_SETSEL, 4, 4);
    EXPECT_TRUE(PressAcceleratorKey(frame, accelerators, edit, VK_DELETE, 0));
    EXPECT_EQ(WindowText(edit), "one two three");

    SendMessageA(edit, EM_SETSEL, 3, 7);
    EXPECT_TRUE(PressAcceleratorKey(frame, accelerators, edit, VK_DELETE, 0));
    EXPECT_EQ(WindowText(edit), "one three");
    EXPECT_TRUE(IsModified(document));

    EXPECT_TRUE(PressAcceleratorKey(frame, accelerators, edit, 'A', VK_CONTROL));
    DWORD start = 1, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 9u);

    // Alt+Backspace is Undo: the deleted word comes back.
    EXPECT_TRUE(PressAcceleratorKey(frame, accelerators, edit, VK_BACK, VK_MENU));
    EXPECT_EQ(WindowText(edit), "one two three");

    // A plain letter is no command.
    EXPECT_FALSE(PressAcceleratorKey(frame, accelerators, edit, 'A', 0));
}

TEST_F(DocumentTest, F7AndTheToolbarsSpellingButtonCheckTheActiveDocument)
{
    StartEditor(nullptr);
    // With no document both do nothing.
    EXPECT_TRUE(PressAcceleratorKey(frame, accelerators, frame, VK_F7, 0));
    ClickToolbarButton(frame, IDM_TOOLS_SPELLING);
    EXPECT_TRUE(messages.Shown().empty());

    // An empty document has no word to stop at: each run ends at once with its closing message.
    SendMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
    EXPECT_TRUE(PressAcceleratorKey(frame, accelerators, EditOf(ActiveDocumentWindow()), VK_F7, 0));
    ClickToolbarButton(frame, IDM_TOOLS_SPELLING);
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{"The spelling check is complete", "The spelling check is complete"}));
}

// The caret's place in the active document, once the messages queued before are handled.
std::string PositionShown()
{
    PumpMessages();
    return StatusText(StatusPositionPart);
}

void PressKey(HWND edit, WPARAM key, int modifier = 0)
{
    HeldKeys held(modifier);
    SendMessageA(edit, WM_KEYDOWN, key, 1);
    SendMessageA(edit, WM_KEYUP, key, 1);
}

void ClickAt(HWND edit, int index)
{
    LPARAM point = SendMessageA(edit, EM_POSFROMCHAR, static_cast<WPARAM>(index), 0);
    SendMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(edit, WM_LBUTTONUP, 0, point);
}

TEST_F(DocumentTest, StatusBarShowsWhereTheCaretIsAsItMovesAndGoToLineMovesIt)
{
    StartEditor(nullptr);
    EXPECT_EQ(PositionShown(), "");
    SendMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
    HWND first = ActiveDocumentWindow();
    HWND edit = EditOf(first);
    SetFocus(edit);
    EXPECT_EQ(PositionShown(), "Ln 1, Col 1");

    // A bare line feed ends a line as the edit control shows it.
    TypeText(first, "one\r\ntwo three\nfour");
    EXPECT_EQ(PositionShown(), "Ln 3, Col 5");
    PressKey(edit, VK_HOME);
    EXPECT_EQ(PositionShown(), "Ln 3, Col 1");
    PressKey(edit, VK_UP);
    EXPECT_EQ(PositionShown(), "Ln 2, Col 1");
    PressKey(edit, VK_END);
    EXPECT_EQ(PositionShown(), "Ln 2, Col 10");
    SendMessageA(edit, WM_CHAR, 's', 1);
    EXPECT_EQ(PositionShown(), "Ln 2, Col 11");
    // Shift+Home selects back to the start of the line, where the caret then stands.
    PressKey(edit, VK_HOME, VK_SHIFT);
    EXPECT_EQ(PositionShown(), "Ln 2, Col 1");
    ClickAt(edit, 2);
    EXPECT_EQ(PositionShown(), "Ln 1, Col 3");

    // Each document shows its own caret.
    SendMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
    HWND second = ActiveDocumentWindow();
    EXPECT_EQ(PositionShown(), "Ln 1, Col 1");
    ActivateDocument(first);
    EXPECT_EQ(PositionShown(), "Ln 1, Col 3");

    // Ctrl+G offers the caret's line; a line the document lacks is refused with the lines it has.
    DialogDriver dialogs;
    std::string offered;
    dialogs.Then([&offered](HWND dialog) {
        offered = ControlText(dialog, IDC_GOTO_LINE_NUMBER);
        SetDlgItemTextA(dialog, IDC_GOTO_LINE_NUMBER, "4");
        Press(dialog, IDOK);
        SetDlgItemTextA(dialog, IDC_GOTO_LINE_NUMBER, "0");
        Press(dialog, IDOK);
        SetDlgItemTextA(dialog, IDC_GOTO_LINE_NUMBER, "3");
        Press(dialog, IDOK);
    });
    EXPECT_TRUE(PressAcceleratorKey(frame, accelerators, edit, 'G', VK_CONTROL));
    EXPECT_EQ(dialogs.Opened(), 1);
    EXPECT_EQ(offered, "1");
    const std::string refusal = "There is no such line. Enter a line number from 1 to 3.";
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{refusal, refusal}));
    ASSERT_FALSE(messages.Shown().empty());
    EXPECT_EQ(messages.Shown()[0].caption, "Warning");
    int start = 0, end = 0;
    SelectionOf(first, start, end);
    EXPECT_EQ(start, 16);
    EXPECT_EQ(end, 16);
    EXPECT_EQ(PositionShown(), "Ln 3, Col 1");

    // Cancel leaves the caret where it is.
    dialogs.Then([](HWND dialog) { Press(dialog, IDCANCEL); });
    SendMessageA(frame, WM_COMMAND, IDM_EDIT_GOTOLINE, 0);
    SelectionOf(first, start, end);
    EXPECT_EQ(start, 16);
    EXPECT_EQ(dialogs.Opened(), 2);

    // With the last document closed, no position is shown.
    messages.AnswerNext({IDNO});
    SendMessageA(frame, WM_COMMAND, IDM_FILE_CLOSE, 0);
    EXPECT_EQ(ActiveDocumentWindow(), second);
    EXPECT_EQ(PositionShown(), "Ln 1, Col 1");
    messages.AnswerNext({IDNO});
    SendMessageA(frame, WM_COMMAND, IDM_FILE_CLOSE, 0);
    EXPECT_EQ(PositionShown(), "");
}

TEST_F(DocumentTest, EditControlOutOfSpaceIsReported)
{
    StartEditor(nullptr);
    SendMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
    HWND document = ActiveDocumentWindow();
    HWND edit = EditOf(document);
    SendMessageA(edit, EM_LIMITTEXT, 5, 0);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("more than five"));
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, "CHILD Edit control out of space.");
    EXPECT_EQ(messages.Shown()[0].caption, "Penmar");
    EXPECT_EQ(messages.Shown()[0].style, static_cast<UINT>(MB_ICONERROR));
}

// A long paragraph wraps into rows that begin at its words (after a space, or after the hyphen of
// "well-known"), never at a space; a word longer than a row is cut where the row ends.
TEST_F(DocumentTest, LongParagraphsWrapBetweenWords)
{
    StartEditor(nullptr);
    SendMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
    HWND edit = EditOf(ActiveDocumentWindow());
    std::wstring text;
    for (int i = 0; i < 90; i++)
        text += i % 3 == 0 ? L"well-known " : L"words ";
    const size_t longWord = text.size();
    text += std::wstring(400, L'x');
    SetWindowTextW(edit, text.c_str());
    int rows = static_cast<int>(SendMessageW(edit, EM_GETLINECOUNT, 0, 0));
    ASSERT_GT(rows, 8) << "the paragraph must wrap for this test";
    int wholeRows = 0;
    for (int row = 1; row < rows; row++) {
        size_t start = static_cast<size_t>(SendMessageW(edit, EM_LINEINDEX, static_cast<WPARAM>(row), 0));
        ASSERT_LT(start, text.size());
        if (start > longWord)
            continue;
        wholeRows++;
        EXPECT_TRUE((text[start - 1] == L' ' || text[start - 1] == L'-') && text[start] != L' ')
            << "row " << row << " begins at character " << start;
    }
    EXPECT_GT(wholeRows, 4);
    EXPECT_LT(SendMessageW(edit, EM_LINEINDEX, static_cast<WPARAM>(rows - 1), 0), static_cast<LRESULT>(text.size() - 1));
}

struct ProgramStart {
    std::string verb, program, parameters;
    int showCommand;
};
std::vector<ProgramStart> programStarts;

HINSTANCE RecordProgramStart(HWND, const wchar_t* verb, const wchar_t* program, const wchar_t* parameters,
                             const wchar_t*, int showCommand)
{
    programStarts.push_back({Utf8Of(verb), Utf8Of(program), Utf8Of(parameters), showCommand});
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));
}

class DictionaryTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        programStarts.clear();
        SetProgramStartForTesting(RecordProgramStart);
        StartEditor(nullptr);
        SendMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
        edit = EditOf(ActiveDocumentWindow());
    }
    void TearDown() override
    {
        SetProgramStartForTesting(nullptr);
        EditorTest::TearDown();
    }
    std::string LookupArgument(const char* text, int start, int end)
    {
        SetWindowTextW(edit, WideOf(text).c_str());
        SendMessageA(edit, EM_SETSEL, start, end);
        size_t before = programStarts.size();
        SendMessageA(frame, WM_COMMAND, IDM_TOOLS_DICTIONARY, 0);
        if (programStarts.size() != before + 1)
            return "<not started>";
        return programStarts.back().parameters;
    }
    HWND edit = nullptr;
};

TEST_F(DictionaryTest, StartsTheLookupToolWithTheSelectionInQuotes)
{
    EXPECT_EQ(LookupArgument("the colour red", 4, 10), "\"colour\"");
    ASSERT_FALSE(programStarts.empty());
    EXPECT_EQ(programStarts[0].program, "C:/ZOLT/lexmar.exe ");
    EXPECT_EQ(programStarts[0].verb, "open");
    EXPECT_EQ(programStarts[0].showCommand, SW_SHOWNORMAL);

    EXPECT_EQ(LookupArgument("the colour red", 4, 4), "\"\"");
    EXPECT_EQ(LookupArgument("first line\r\nsecond word", 14, 20), "\"cond w\"");
    // A selection over the end of its line passes only the part on that line.
    EXPECT_EQ(LookupArgument("ab cd\r\nef", 3, 9), "\"cd\"");
    std::string sixty(60, 'q');
    EXPECT_EQ(LookupArgument(sixty.c_str(), 0, 60), "\"" + std::string(54, 'q') + "\"");
}

TEST_F(DictionaryTest, LongLinesAreReadWhole)
{
    // An edit control wide enough that a 1,500-character line is not wrapped.
    SetWindowPos(edit, nullptr, 0, 0, 30000, 300, SWP_NOZORDER | SWP_NOMOVE);
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), 0);
    std::string line(1000, 'a');
    line += std::string(500, 'b');
    SetWindowTextA(edit, line.c_str());
    ASSERT_EQ(SendMessageA(edit, EM_GETLINECOUNT, 0, 0), 1) << "the line must not wrap for this test";

    EXPECT_EQ(LookupArgument(line.c_str(), 998, 1010), "\"aabbbbbbbbbb\"");
    EXPECT_EQ(LookupArgument(line.c_str(), 1020, 1030), "\"bbbbbbbbbb\"");
    EXPECT_EQ(LookupArgument(line.c_str(), 1490, 1510), "\"bbbbbbbbbb\"");
}

} // namespace
