// Start-up of the editor: the command-line name, the frame and its children, the command-line file.
#include "editor_harness.h"

#include <commctrl.h>

#include <algorithm>

#include "editor_main.h"
#include "penmar_version.h"
#include "resource_ids.h"
#include "shell_state.h"

namespace {

std::string NameOf(const char* argument)
{
    wchar_t name[CommandLineNameSize];
    std::wstring wide = WideOf(argument != nullptr ? argument : "");
    EXPECT_TRUE(CommandLineName(argument != nullptr ? wide.c_str() : nullptr, name)) << argument;
    return Utf8Of(name);
}

TEST(CommandLineName, KeepsAWholeFileNameWithoutTrailingBlanksAndRefusesALongerOne)
{
    EXPECT_EQ(NameOf(nullptr), "");
    EXPECT_EQ(NameOf(""), "");
    EXPECT_EQ(NameOf("     "), "");
    EXPECT_EQ(NameOf("  a b.txt   "), "  a b.txt");
    std::string longest(MAX_PATH - 1, 'x');
    EXPECT_EQ(NameOf(longest.c_str()), longest);
    EXPECT_EQ(NameOf((longest + "    ").c_str()), longest);

    wchar_t name[CommandLineNameSize];
    EXPECT_FALSE(CommandLineName(WideOf(longest + "y").c_str(), name));
    EXPECT_STREQ(name, L"");
}

using StartupTest = EditorTest;

TEST_F(StartupTest, WithoutArgumentTheFrameHasNoDocumentAndShowsItsVersion)
{
    StartEditor(nullptr);
    EXPECT_EQ(WindowText(frame), "Penmar");
    EXPECT_EQ(CountDocumentWindows(), 0);
    EXPECT_EQ(ActiveDocumentWindow(), nullptr);
    EXPECT_EQ(StatusText(0), "Version " PENMAR_VERSION_TEXT);
    EXPECT_EQ(StatusText(1), "");
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_NE(accelerators, nullptr);

    HWND toolbar = GetDlgItem(frame, FrameToolbarId);
    ASSERT_NE(toolbar, nullptr);
    ASSERT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 8);
    // The spelling button, after a separator, has the first image after the fifteen standard ones.
    const int commands[] = {IDM_FILE_NEW,      IDM_FILE_OPEN,    IDM_FILE_SAVE, IDM_FILE_PRINT,
                            IDM_EDIT_FINDNEXT, IDM_EDIT_REPLACE, 0,             IDM_TOOLS_SPELLING};
    const int images[] = {STD_FILENEW, STD_FILEOPEN, STD_FILESAVE, STD_PRINT, STD_FIND, STD_REPLACE, 0, 15};
    for (int i = 0; i < 8; i++) {
        TBBUTTON button = {};
        SendMessageA(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ(button.idCommand, commands[i]);
        EXPECT_EQ(button.fsStyle, commands[i] != 0 ? TBSTYLE_BUTTON : TBSTYLE_SEP);
        if (commands[i] != 0) {
            EXPECT_EQ(button.iBitmap, images[i]);
        }
        EXPECT_TRUE(button.fsState & TBSTATE_ENABLED);
    }
    HWND statusBar = GetDlgItem(frame, FrameStatusBarId);
    int edges[6] = {};
    ASSERT_EQ(SendMessageA(statusBar, SB_GETPARTS, 6, reinterpret_cast<LPARAM>(edges)), 5);
    EXPECT_EQ(edges[0], 100);
    EXPECT_EQ(edges[4], -1);
}

TEST_F(StartupTest, LayoutPutsTheClientBetweenToolbarAndStatusBar)
{
    StartEditor(nullptr);
    SetWindowPos(frame, nullptr, 0, 0, 900, 500, SWP_NOZORDER | SWP_NOMOVE);
    RECT client, toolbar, statusBar, mdi;
    GetClientRect(frame, &client);
    GetWindowRect(GetDlgItem(frame, FrameToolbarId), &toolbar);
    GetWindowRect(GetDlgItem(frame, FrameStatusBarId), &statusBar);
    GetWindowRect(hMDIClient, &mdi);
    MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&mdi), 2);
    MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&statusBar), 2);
    EXPECT_GT(toolbar.bottom - toolbar.top, 0);
    EXPECT_EQ(mdi.top, toolbar.bottom - toolbar.top);
    EXPECT_EQ(mdi.bottom, statusBar.top);
    EXPECT_EQ(mdi.right - mdi.left, client.right);
    EXPECT_EQ(statusBar.bottom, client.bottom);
}

TEST_F(StartupTest, ExistingFileOpensInOneDocumentTitledWithItsName)
{
    std::string path = PathOf("letter.txt");
    WriteBytes(path, "Dear reader,\r\nhello.\r\n");
    StartEditor(path.c_str());
    ASSERT_EQ(CountDocumentWindows(), 1);
    HWND document = ActiveDocumentWindow();
    EXPECT_EQ(WindowText(document), path);
    EXPECT_EQ(WindowText(EditOf(document)), "Dear reader,\r\nhello.\r\n");
    EXPECT_FALSE(IsModified(document));
    EXPECT_EQ(StatusText(0), "Opened...");
    EXPECT_EQ(StatusText(1), path);
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_TRUE(seams.openCalls.empty());
    EXPECT_EQ(openFromCommandLine, 0);

    // The Window menu lists the document by its new title at once.
    HMENU windowMenu = GetSubMenu(GetMenu(frame), MENU_POSITION_WINDOW);
    char item[MAX_PATH + 8] = "";
    GetMenuStringA(windowMenu, GetMenuItemCount(windowMenu) - 1, item, sizeof(item), MF_BYPOSITION);
    EXPECT_EQ(std::string(item), "&1 " + path);
}

TEST_F(StartupTest, MissingFileSaysWhichAndWhyAndLeavesNoDocument)
{
    std::string path = PathOf("absent.txt");
    StartEditor(path.c_str());
    EXPECT_EQ(CountDocumentWindows(), 0);
    ExpectFileFailure(messages, frame, "Could not open the file", path, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(messages.Shown()[0].caption, "Penmar");
    EXPECT_EQ(StatusText(0), "Version " PENMAR_VERSION_TEXT);
    EXPECT_TRUE(seams.openCalls.empty());
}

TEST_F(StartupTest, LongArgumentOpensItsOwnFileAndATooLongOneOpensNothing)
{
    // A name of 100 characters whose first 80 also name a file: the whole name counts.
    std::string shorter = folder;
    shorter += std::string(80 - shorter.size(), 'n');
    ASSERT_EQ(shorter.size(), 80u);
    WriteBytes(shorter, "the other file");
    std::string path = shorter + std::string(20 - 4, 'n') + ".txt";
    ASSERT_EQ(path.size(), 100u);
    WriteBytes(path, "hundred");
    StartEditor(path.c_str());
    ASSERT_EQ(CountDocumentWindows(), 1);
    EXPECT_EQ(WindowText(ActiveDocumentWindow()), path);
    EXPECT_EQ(WindowText(EditOf(ActiveDocumentWindow())), "hundred");
    EXPECT_TRUE(messages.Shown().empty());
    DestroyFrame(frame);
    QuitWasPosted();

    // Longer than a file name can be: a message, and no document window.
    std::string tooLong = folder + std::string(MAX_PATH - folder.size(), 'n');
    ASSERT_EQ(tooLong.size(), static_cast<size_t>(MAX_PATH));
    StartEditor(tooLong.c_str());
    EXPECT_EQ(CountDocumentWindows(), 0);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_NE(messages.Shown()[0].text.find("too long"), std::string::npos) << messages.Shown()[0].text;
    EXPECT_EQ(messages.Shown()[0].style, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(messages.Shown()[0].owner, frame);
    EXPECT_EQ(StatusText(0), "Version " PENMAR_VERSION_TEXT);
}

std::vector<std::string> DocumentTitles()
{
    std::vector<std::string> titles;
    for (HWND child = GetWindow(hMDIClient, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        titles.push_back(WindowText(child));
    std::sort(titles.begin(), titles.end());
    return titles;
}

TEST_F(StartupTest, SeveralNamesOpenOneDocumentEachAndAPathWithBlanksNeedsNoQuotes)
{
    std::string spaced = PathOf("two words.txt");
    std::string plain = PathOf("plain.txt");
    WriteBytes(spaced, "spaced");
    WriteBytes(plain, "plain");
    // A name in quotes holds its blanks; a word outside quotes is a name of its own.
    StartEditor(("\"" + spaced + "\"   " + plain + " ").c_str());
    EXPECT_EQ(DocumentTitles(), (std::vector<std::string>{plain, spaced}));
    EXPECT_EQ(WindowText(ActiveDocumentWindow()), plain) << "the last one opened is the active one";
    EXPECT_EQ(DocumentText(ActiveDocumentWindow()), "plain");
    EXPECT_TRUE(messages.Shown().empty());
    DestroyFrame(frame);
    QuitWasPosted();

    // Without quotes, words that together name an existing file are that file, even where the first
    // word alone names another one.
    std::string documents = PathOf("My Documents");
    ASSERT_TRUE(CreateDirectoryA(documents.c_str(), nullptr));
    std::string letter = documents + "\\a letter.txt";
    WriteBytes(letter, "Dear reader");
    WriteBytes(PathOf("My"), "another file");
    StartEditor(letter.c_str());
    EXPECT_EQ(DocumentTitles(), std::vector<std::string>{letter});
    EXPECT_EQ(DocumentText(ActiveDocumentWindow()), "Dear reader");
    EXPECT_TRUE(messages.Shown().empty());
    DestroyFrame(frame);
    QuitWasPosted();
    DeleteFileA(letter.c_str());
    RemoveDirectoryA(documents.c_str());

    // Words that do not together name a file are each a name.
    StartEditor((plain + " " + PathOf("My")).c_str());
    EXPECT_EQ(DocumentTitles(), (std::vector<std::string>{PathOf("My"), plain}));
    DestroyFrame(frame);
    QuitWasPosted();

    // One name too long for a file: its message, and nothing opens.
    std::string tooLong = folder + std::string(MAX_PATH - folder.size(), 'n');
    StartEditor(("\"" + spaced + "\" " + tooLong).c_str());
    EXPECT_EQ(CountDocumentWindows(), 0);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_NE(messages.Shown()[0].text.find("too long"), std::string::npos) << messages.Shown()[0].text;
}

TEST_F(StartupTest, LaterOpenStartsWithAnEmptyNameAndCancelLeavesAnUntitledDocument)
{
    std::string path = PathOf("first.txt");
    WriteBytes(path, "one");
    StartEditor(path.c_str());
    SendMessageA(frame, WM_COMMAND, IDM_FILE_OPEN, 0);
    ASSERT_EQ(seams.openCalls.size(), 1u);
    const FileDialogCall& call = seams.openCalls[0];
    EXPECT_EQ(call.initialName, "");
    EXPECT_EQ(call.flags, static_cast<DWORD>(OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY));
    EXPECT_EQ(call.filter, "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|");
    EXPECT_EQ(call.filterIndex, 1u);
    EXPECT_EQ(call.defaultExtension, "txt");
    EXPECT_EQ(call.owner, ActiveDocumentWindow());
    EXPECT_EQ(CountDocumentWindows(), 2);
    EXPECT_EQ(WindowText(ActiveDocumentWindow()), "[Untitled]");
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(StartupTest, HelpSaysItIsNotAvailable)
{
    StartEditor(nullptr);
    PressAcceleratorKey(frame, accelerators, frame, VK_F1, 0);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, "Help not available");
    EXPECT_EQ(messages.Shown()[0].caption, "Penmar");
    EXPECT_EQ(messages.Shown()[0].style, static_cast<UINT>(MB_ICONEXCLAMATION));
}

// The About box is modal: a timer running inside its loop reads it and presses OK.
std::string aboutTexts;
bool escapeClosedAbout = false;

void CALLBACK AnswerAboutBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = GetActiveWindow();
    char text[128];
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        GetWindowTextA(child, text, sizeof(text));
        aboutTexts += std::string(text) + "|";
    }
    SendMessageA(box, WM_COMMAND, IDCANCEL, 0);
    escapeClosedAbout = !IsWindow(box);
    KillTimer(nullptr, timer);
    SendMessageA(box, WM_COMMAND, IDOK, 0);
}

// The version is the one the release and the installer carry: the project's own version number.
TEST_F(StartupTest, AboutBoxShowsTheProductAndItsVersionAndClosesOnlyWithOk)
{
    StartEditor(nullptr);
    SetTimer(nullptr, 0, 200, AnswerAboutBox);
    SendMessageA(frame, WM_COMMAND, IDM_HELP_ABOUT, 0);
    EXPECT_NE(aboutTexts.find("Penmar|"), std::string::npos) << aboutTexts;
    EXPECT_NE(aboutTexts.find("Penmar Editor for Windows|"), std::string::npos) << aboutTexts;
    EXPECT_NE(aboutTexts.find("Version " PENMAR_VERSION_TEXT "|"), std::string::npos) << aboutTexts;
    EXPECT_NE(aboutTexts.find("OK|"), std::string::npos) << aboutTexts;
    EXPECT_FALSE(escapeClosedAbout);
}

} // namespace
