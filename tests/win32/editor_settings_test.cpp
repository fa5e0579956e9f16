// What the editor remembers from one run to the next: the frame's place, the font and the recent files;
// and a first run, or one after a damaged value, that starts with the defaults.
#include "editor_harness.h"

#include <algorithm>

#include "frame_placement.h"
#include "resource_ids.h"
#include "settings_store.h"
#include "shell_state.h"

namespace {

std::string FaceOf(HWND document)
{
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(EditOf(document), WM_GETFONT, 0, 0));
    LOGFONTA logical = {};
    GetObjectA(font, sizeof(logical), &logical);
    return logical.lfFaceName;
}

RECT WindowRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

std::string Describe(const RECT& rect)
{
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
           std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

// Stores a value as another program (or a damaged registry) might have left it.
void StoreValue(const char* name, DWORD type, const void* data, DWORD size)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(key);
}

void StoreNumber(const char* name, DWORD value)
{
    StoreValue(name, REG_DWORD, &value, sizeof(value));
}

// The File menu after Print, as the menu shows it ("-" for a separator).
std::vector<std::string> MenuAfterPrint(HWND frame)
{
    HMENU fileMenu = GetSubMenu(GetMenu(frame), 0);
    std::vector<std::string> items;
    bool afterPrint = false;
    for (int position = 0; position < GetMenuItemCount(fileMenu); position++) {
        char text[MAX_PATH * 2 + 8] = "";
        GetMenuStringA(fileMenu, position, text, sizeof(text), MF_BYPOSITION);
        if (afterPrint)
            items.push_back(GetMenuState(fileMenu, position, MF_BYPOSITION) & MF_SEPARATOR ? "-" : text);
        afterPrint = afterPrint || GetMenuItemID(fileMenu, position) == IDM_FILE_PRINT;
    }
    return items;
}

class SettingsTest : public EditorTest {
protected:
    // Ends the editor as File > Exit does, then starts it again as the next run.
    void Restart()
    {
        SendMessageA(frame, WM_COMMAND, IDM_FILE_EXIT, 0);
        ASSERT_TRUE(QuitWasPosted()) << "the editor did not end";
        DestroyFrame(frame);
        PumpMessages();
        QuitWasPosted();
        hMainWindow = hMDIClient = nullptr;
        StartEditor(nullptr);
    }
    HWND Open(const std::string& path)
    {
        seams.openAnswers.push_back(path);
        SendMessageA(frame, WM_COMMAND, IDM_FILE_OPEN, 0);
        return ActiveDocumentWindow();
    }
    HWND NewDocument()
    {
        SendMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
        return ActiveDocumentWindow();
    }
    void ExpectFirstRun()
    {
        RECT frameRect = WindowRect(frame);
        EXPECT_EQ(frameRect.right - frameRect.left, DefaultFrameWidth) << Describe(frameRect);
        EXPECT_EQ(frameRect.bottom - frameRect.top, DefaultFrameHeight) << Describe(frameRect);
        EXPECT_FALSE(IsZoomed(frame));
        HWND document = NewDocument();
        EXPECT_EQ(FaceOf(document), "Lucida Console");
        SendMessageA(frame, WM_COMMAND, IDM_FILE_CLOSE, 0);
        EXPECT_EQ(MenuAfterPrint(frame), (std::vector<std::string>{"-", "E&xit"}));
        EXPECT_TRUE(messages.Shown().empty());
    }
};

TEST_F(SettingsTest, FramePlaceAndFontSurviveARestart)
{
    StartEditor(nullptr);
    ExpectFirstRun();
    SetWindowPos(frame, nullptr, 40, 50, 800, 500, SWP_NOZORDER);
    NewDocument();
    SendMessageA(frame, WM_COMMAND, IDM_FORMAT_TIMESNEWROMAN, 0);
    SendMessageA(frame, WM_COMMAND, IDM_FILE_CLOSE, 0);

    Restart();
    EXPECT_EQ(Describe(WindowRect(frame)), "40,50 800x500");
    EXPECT_FALSE(IsZoomed(frame));
    EXPECT_EQ(FaceOf(NewDocument()), "Times New Roman");
    SendMessageA(frame, WM_COMMAND, IDM_FILE_CLOSE, 0);

    // Maximized at the end: maximized at the next start, and restored to the place it had before.
    ShowWindow(frame, SW_MAXIMIZE);
    Restart();
    EXPECT_TRUE(IsZoomed(frame));
    ShowWindow(frame, SW_RESTORE);
    EXPECT_EQ(Describe(WindowRect(frame)), "40,50 800x500");
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(SettingsTest, RecentFilesSurviveARestartAndOneNoLongerThereLeavesTheList)
{
    StartEditor(nullptr);
    std::string opened = PathOf("opened.txt");
    std::string saved = PathOf("saved.txt");
    WriteBytes(opened, "opened");
    Open(opened);
    TypeText(NewDocument(), "saved");
    seams.saveAnswers.push_back(saved);
    SendMessageA(frame, WM_COMMAND, IDM_FILE_SAVEAS, 0);
    SendMessageA(frame, WM_COMMAND, IDM_FILE_CLOSE, 0);
    SendMessageA(frame, WM_COMMAND, IDM_FILE_CLOSE, 0);

    Restart();
    EXPECT_EQ(MenuAfterPrint(frame), (std::vector<std::string>{"-", "&1 " + saved, "&2 " + opened, "-", "E&xit"}));
    // Chosen again, a file opens and comes to the top.
    SendMessageA(frame, WM_COMMAND, IDM_FILE_RECENT_FIRST + 1, 0);
    EXPECT_EQ(WindowText(ActiveDocumentWindow()), opened);
    EXPECT_EQ(DocumentText(ActiveDocumentWindow()), "opened");
    EXPECT_EQ(MenuAfterPrint(frame), (std::vector<std::string>{"-", "&1 " + opened, "&2 " + saved, "-", "E&xit"}));

    // A file deleted since: the open failure names it, no window is left for it and it leaves the list.
    ASSERT_TRUE(DeleteFileA(saved.c_str()));
    SendMessageA(frame, WM_COMMAND, IDM_FILE_RECENT_FIRST + 1, 0);
    ExpectFileFailure(messages, frame, "Could not open the file", saved, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(CountDocumentWindows(), 1);
    EXPECT_EQ(MenuAfterPrint(frame), (std::vector<std::string>{"-", "&1 " + opened, "-", "E&xit"}));
    SendMessageA(frame, WM_COMMAND, IDM_FILE_CLOSE, 0);
    Restart();
    EXPECT_EQ(MenuAfterPrint(frame), (std::vector<std::string>{"-", "&1 " + opened, "-", "E&xit"}));

    // Four are kept, the newest first; an ampersand in a name is shown, not taken for a key.
    const char* names[] = {"two.txt", "three.txt", "four.txt", "R&D.txt"};
    for (const char* name : names) {
        WriteBytes(PathOf(name), name);
        Open(PathOf(name));
    }
    EXPECT_EQ(MenuAfterPrint(frame), (std::vector<std::string>{"-", "&1 " + PathOf("R&&D.txt"),
                                                               "&2 " + PathOf("four.txt"), "&3 " + PathOf("three.txt"),
                                                               "&4 " + PathOf("two.txt"), "-", "E&xit"}));
}

// The list names each file once, in whatever letter case it was saved and however often the registry
// repeats it, and keeps a file that is there but that another program keeps to itself for now.
TEST_F(SettingsTest, RecentFilesNameEachFileOnceAndKeepOneThatIsThereButLocked)
{
    std::string letter = PathOf("letter.txt");
    std::string other = PathOf("other.txt");
    WriteBytes(letter, "letter");
    WriteBytes(other, "other");
    StoreValue("Recent1", REG_SZ, other.c_str(), static_cast<DWORD>(other.size() + 1));
    StoreValue("Recent2", REG_SZ, other.c_str(), static_cast<DWORD>(other.size() + 1));
    StoreValue("Recent3", REG_SZ, letter.c_str(), static_cast<DWORD>(letter.size() + 1));
    StartEditor(nullptr);
    EXPECT_EQ(MenuAfterPrint(frame), (std::vector<std::string>{"-", "&1 " + other, "&2 " + letter, "-", "E&xit"}));

    Open(letter);
    std::string shouted = PathOf("LETTER.TXT");
    seams.saveAnswers.push_back(shouted);
    SendMessageA(frame, WM_COMMAND, IDM_FILE_SAVEAS, 0);
    SendMessageA(frame, WM_COMMAND, IDM_FILE_CLOSE, 0);
    EXPECT_EQ(MenuAfterPrint(frame), (std::vector<std::string>{"-", "&1 " + shouted, "&2 " + other, "-", "E&xit"}));

    HANDLE holder = CreateFileA(other.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    SendMessageA(frame, WM_COMMAND, IDM_FILE_RECENT_FIRST + 1, 0);
    CloseHandle(holder);
    ExpectFileFailure(messages, frame, "Could not open the file", other, ERROR_SHARING_VIOLATION);
    EXPECT_EQ(MenuAfterPrint(frame), (std::vector<std::string>{"-", "&1 " + shouted, "&2 " + other, "-", "E&xit"}));
}

// A stored string that fills the reader's room without a terminator is refused, and nothing is written
// past the room; one a character shorter is taken with a terminator added.
TEST(SettingsStore, AStringWithoutATerminatorIsReadOnlyWhereItsTerminatorFits)
{
    const DWORD room = 8;
    wchar_t text[room + 1];
    std::fill(text, text + room + 1, L'#');
    lstrcpynW(text, L"abcdefgh", room + 1);
    text[room] = L'#';
    EXPECT_FALSE(EndStoredText(text, room * sizeof(wchar_t), room));
    EXPECT_EQ(text[room], L'#');
    EXPECT_TRUE(EndStoredText(text, (room - 1) * sizeof(wchar_t), room));
    EXPECT_EQ(Utf8Of(text), "abcdefg");

    // As the program reads the registry.
    ForgetRememberedSettings();
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    for (DWORD length : {room, room - 1}) {
        ASSERT_EQ(RegSetValueExW(key, L"Unended", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"abcdefgh"),
                                 length * sizeof(wchar_t)),
                  ERROR_SUCCESS);
        std::fill(text, text + room + 1, L'#');
        EXPECT_EQ(ReadSettingText(L"Unended", text, room), length < room) << length;
        EXPECT_EQ(text[room], L'#') << length;
    }
    EXPECT_EQ(Utf8Of(text), "abcdefg");
    RegCloseKey(key);
    ForgetRememberedSettings();
}

// A remembered font that is turned (its text would run out of sight) or too small or too large to
// write with gives way to the default; one of 6 or of 72 points is used.
TEST_F(SettingsTest, ARememberedFontIsUsedOnlyUprightAndFrom6To72Points)
{
    HDC screen = GetDC(nullptr);
    int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    auto heightOf = [dotsPerInch](int points) { return static_cast<LONG>(-MulDiv(points, dotsPerInch, 72)); };
    struct Case {
        LONG height;
        LONG escapement;
        LONG orientation;
        bool used;
    };
    const Case cases[] = {{heightOf(12), 900, 900, false}, {heightOf(12), 0, 900, false},
                          {heightOf(12), 2700, 0, false},  {-1000, 0, 0, false},
                          {heightOf(73), 0, 0, false},     {heightOf(5), 0, 0, false},
                          {heightOf(6), 0, 0, true},       {heightOf(72), 0, 0, true}};
    for (const Case& remembered : cases) {
        LOGFONTW font = {};
        font.lfHeight = remembered.height;
        font.lfEscapement = remembered.escapement;
        font.lfOrientation = remembered.orientation;
        lstrcpyW(font.lfFaceName, L"Courier New");
        StoreValue("Font", REG_BINARY, &font, sizeof(font));
        if (frame != nullptr) {
            DestroyFrame(frame);
            PumpMessages();
            QuitWasPosted();
            hMainWindow = hMDIClient = nullptr;
        }
        StartEditor(nullptr);
        EXPECT_EQ(FaceOf(NewDocument()), remembered.used ? "Courier New" : "Lucida Console")
            << "height " << remembered.height << ", turned by " << remembered.escapement << " and "
            << remembered.orientation;
        SendMessageA(frame, WM_COMMAND, IDM_FILE_CLOSE, 0);
    }
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(SettingsTest, DamagedValuesAndAPlaceOffTheScreensStartWithTheDefaults)
{
    // The title bar would be beyond the right edge of every screen.
    StoreNumber("WindowLeft", static_cast<DWORD>(GetSystemMetrics(SM_CXVIRTUALSCREEN) - 20));
    StoreNumber("WindowTop", 40);
    StoreNumber("WindowWidth", 600);
    StoreNumber("WindowHeight", 400);
    StoreNumber("WindowMaximized", 0);
    // Cut short: not a whole font description.
    StoreValue("Font", REG_BINARY, "Times New Roman", 15);
    // Recent files as numbers, or without their end.
    StoreNumber("Recent1", 7);
    StoreValue("Recent2", REG_BINARY, "C:\\a.txt", 8);
    StartEditor(nullptr);
    ExpectFirstRun();
    DestroyFrame(frame);
    QuitWasPosted();

    // A number stored as text, and a font whose name has no end.
    StoreValue("WindowWidth", REG_SZ, "600", 4);
    StoreNumber("WindowLeft", 40);
    LOGFONTA font = {};
    font.lfHeight = -16;
    FillMemory(font.lfFaceName, sizeof(font.lfFaceName), 'x');
    StoreValue("Font", REG_BINARY, &font, sizeof(font));
    StartEditor(nullptr);
    ExpectFirstRun();
    DestroyFrame(frame);
    QuitWasPosted();

    // Above the top of the screens, and a size no frame can have.
    StoreNumber("WindowWidth", 600);
    StoreNumber("WindowTop", static_cast<DWORD>(-300));
    StartEditor(nullptr);
    ExpectFirstRun();
    DestroyFrame(frame);
    QuitWasPosted();
    StoreNumber("WindowTop", 40);
    StoreNumber("WindowHeight", 5);
    StartEditor(nullptr);
    ExpectFirstRun();

    // The entries that are sound are kept.
    std::string kept = PathOf("kept.txt");
    StoreValue("Recent3", REG_SZ, kept.c_str(), static_cast<DWORD>(kept.size() + 1));
    DestroyFrame(frame);
    QuitWasPosted();
    StartEditor(nullptr);
    EXPECT_EQ(MenuAfterPrint(frame), (std::vector<std::string>{"-", "&1 " + kept, "-", "E&xit"}));
}

} // namespace
