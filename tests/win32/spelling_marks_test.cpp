// Spelling as you type: the marks under unknown words, read from the window's pixels; the document's
// context menu; the Tools switch; the spell run's progress and Esc.
#include "editor_harness.h"

#include <string>
#include <vector>

#include "editor_hooks.h"
#include "list_folder.h"
#include "resource_ids.h"
#include "settings_store.h"
#include "shell_state.h"
#include "spelling_command.h"
#include "spelling_marks.h"
#include "typed_text_check.h"

namespace {

// ---- The context menu, answered through its seam ------------------------------------------------
std::vector<std::string> menuItems;   // the last menu shown, "-" for a separator, "(grayed)" after a grayed item
std::string menuChoice;               // the item to choose, by its text; none when empty
POINT menuPoint;
int menusShown = 0;

UINT ChooseItem(HMENU menu, int x, int y, HWND)
{
    menuItems.clear();
    menuPoint = {x, y};
    menusShown++;
    UINT chosen = 0;
    for (int position = 0; position < GetMenuItemCount(menu); position++) {
        wchar_t text[128] = L"";
        GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
        UINT state = GetMenuState(menu, position, MF_BYPOSITION);
        if (state & MF_SEPARATOR) {
            menuItems.push_back("-");
            continue;
        }
        std::string item = Utf8Of(text);
        if (item == menuChoice)
            chosen = GetMenuItemID(menu, position);
        menuItems.push_back(item + (state & MF_GRAYED ? " (grayed)" : ""));
    }
    return chosen;
}

// ---- What the edit control paints: the update rectangles of its WM_PAINT messages ----------------
HWND paintedWindow = nullptr;
std::vector<RECT> paintedRects;

void RecordPaintOf(HWND window, UINT message)
{
    RECT rect;
    if (window == paintedWindow && message == WM_PAINT && GetUpdateRect(window, &rect, FALSE))
        paintedRects.push_back(rect);
}

// WM_PAINT taken from the queue ...
LRESULT CALLBACK RecordQueuedPaint(int code, WPARAM wParam, LPARAM lParam)
{
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE)
        RecordPaintOf(message->hwnd, message->message);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// ... or sent, as UpdateWindow does.
LRESULT CALLBACK RecordSentPaint(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION)
        RecordPaintOf(call->hwnd, call->message);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class PaintRecorder : NotCopyable {
public:
    explicit PaintRecorder(HWND window)
        : queued_(SetWindowsHookExW(WH_GETMESSAGE, RecordQueuedPaint, nullptr, GetCurrentThreadId())),
          sent_(SetWindowsHookExW(WH_CALLWNDPROC, RecordSentPaint, nullptr, GetCurrentThreadId()))
    {
        paintedWindow = window;
        paintedRects.clear();
    }
    ~PaintRecorder()
    {
        UnhookWindowsHookEx(queued_);
        UnhookWindowsHookEx(sent_);
    }
    // Whether any paint reached the rows from y to y + height.
    bool Painted(int y, int height) const
    {
        for (const RECT& rect : paintedRects)
            if (rect.top < y + height && rect.bottom > y)
                return true;
        return false;
    }

private:
    HHOOK queued_;
    HHOOK sent_;
};

int LineHeightOf(HWND edit)
{
    HDC dc = GetDC(edit);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(edit, dc);
    return metrics.tmHeight;
}

POINT PlaceOf(HWND edit, int index)
{
    LRESULT place = SendMessageW(edit, EM_POSFROMCHAR, static_cast<WPARAM>(index), 0);
    return {static_cast<short>(LOWORD(place)), static_cast<short>(HIWORD(place))};
}

bool IsMarkRed(COLORREF pixel)
{
    return GetRValue(pixel) >= 180 && GetGValue(pixel) <= 60 && GetBValue(pixel) <= 60;
}

// Red pixels of the line of character `start` under characters start to end - 1 (of that line), in
// rows `from` to `to` - 1 counted from the line's top.
int RedPixels(HWND edit, int start, int end, int from, int to)
{
    POINT first = PlaceOf(edit, start), last = PlaceOf(edit, end - 1);
    HDC dc = GetDC(edit);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    wchar_t lastCharacter[2] = L"";
    int length = GetWindowTextLengthW(edit);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(edit, &text[0], length + 1);
    lastCharacter[0] = text[static_cast<size_t>(end - 1)];
    SIZE size = {};
    GetTextExtentPoint32W(dc, lastCharacter, 1, &size);
    SelectObject(dc, old);
    int red = 0;
    for (int y = first.y + from; y < first.y + to; y++)
        for (int x = first.x; x < last.x + size.cx; x++)
            red += IsMarkRed(GetPixel(dc, x, y)) ? 1 : 0;
    ReleaseDC(edit, dc);
    return red;
}

// Red pixels in the bottom rows of the word's line, under the word.
int RedUnder(HWND edit, const std::string& text, const std::string& word, size_t occurrence = 0)
{
    size_t at = text.find(word);
    for (size_t i = 0; i < occurrence; i++)
        at = text.find(word, at + 1);
    EXPECT_NE(at, std::string::npos) << word;
    int start = static_cast<int>(at);
    int height = LineHeightOf(edit);
    return RedPixels(edit, start, start + static_cast<int>(word.size()), height - 4, height);
}

// Text on the clipboard, so that the menu's Paste is enabled.
void PutOnClipboard(const wchar_t* text)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SIZE_T size = (static_cast<SIZE_T>(lstrlenW(text)) + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    CopyMemory(GlobalLock(memory), text, size);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

class MarksTest : public EditorTest {
protected:
    MarksTest()
    {
        lists.WriteLines("Spell.txt", {"It", "This", "a", "doesn't", "is", "line", "matter", "sag", "sap", "sat", "saw",
                                       "set", "sit", "sot", "text", "the", "with", "word", "wrong"});
        lists.WriteLines("Misspell.txt", {"$doesn't", "dosen't", "$the", "teh"});
        lists.WriteFile("Local.txt", "");
    }
    void SetUp() override
    {
        EditorTest::SetUp();
        SetPopupMenuForTesting(ChooseItem);
        menuItems.clear();
        menuChoice.clear();
        PutOnClipboard(L"pasted");
        StartEditor(nullptr);
        document = NewDocument();
    }
    void TearDown() override
    {
        SetPopupMenuForTesting(nullptr);
        SetProgressDelayForTesting(SpellingProgressDelay);
        EditorTest::TearDown();
    }

    HWND NewDocument()
    {
        SendMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
        HWND made = ActiveDocumentWindow();
        edit = EditOf(made);
        return made;
    }
    // The text in the document, the caret at its start, everything painted and the marks' delay passed.
    void Show(const std::string& shown)
    {
        text = shown;
        SetWindowTextW(edit, WideOf(shown).c_str());
        SelectText(document, 0, 0);
        Settle();
    }
    void Settle()
    {
        PumpMessages();
        UpdateWindow(edit);
        Sleep(SpellingMarksDelay + 100);
        PumpMessages();
        UpdateWindow(edit);
    }
    void Type(const std::string& typed)
    {
        for (char c : typed) {
            SendMessageW(edit, WM_CHAR, static_cast<WPARAM>(c), 1);
            PumpMessages();
            UpdateWindow(edit);
        }
        text = DocumentText(document);
    }
    // A right click on the word's first letter, answered with the item `choice`.
    void RightClick(const std::string& word, const std::string& choice)
    {
        POINT point = PlaceOf(edit, static_cast<int>(text.find(word)));
        point.x += 3;
        point.y += LineHeightOf(edit) / 2;
        ClientToScreen(edit, &point);
        menuChoice = choice;
        SendMessageW(edit, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit), MAKELPARAM(point.x, point.y));
        text = DocumentText(document);
    }

    ListFolder lists;
    HWND document = nullptr;
    HWND edit = nullptr;
    std::string text;
};

const std::vector<std::string> EditCommands = {"&Undo\tCtrl+Z", "-", "Cu&t\tCtrl+X (grayed)",
                                               "&Copy\tCtrl+C (grayed)", "&Paste\tCtrl+V", "De&lete\tDel (grayed)",
                                               "-", "&Select All\tCtrl+A"};

TEST_F(MarksTest, UnknownWordsAloneAreUnderlinedInRedAtTheBottomOfTheirLine)
{
    Show("This is teh text with a wrng word.");
    EXPECT_GT(RedUnder(edit, text, "teh"), 3);
    EXPECT_GT(RedUnder(edit, text, "wrng"), 3);
    EXPECT_EQ(RedUnder(edit, text, "This"), 0);
    EXPECT_EQ(RedUnder(edit, text, "text"), 0);
    // Under the letters only: not under the blanks beside the word, nor above the line's last pixels.
    int teh = static_cast<int>(text.find("teh"));
    int height = LineHeightOf(edit);
    EXPECT_EQ(RedPixels(edit, teh - 1, teh, 0, height), 0);
    EXPECT_EQ(RedPixels(edit, teh + 3, teh + 4, 0, height), 0);
    EXPECT_EQ(RedPixels(edit, teh, teh + 3, 0, height - 4), 0);
    EXPECT_TRUE(messages.Shown().empty());
}

// Rows of wrapped lines, and of a word one letter too long for its row, hold their own marks, and the
// lines after them theirs.
TEST_F(MarksTest, MarksStandUnderTheirWordsAfterWrappedLines)
{
    std::string tooLong = "a";
    SetWindowTextA(edit, tooLong.c_str());
    while (SendMessageW(edit, EM_GETLINECOUNT, 0, 0) == 1 && tooLong.size() < 1000) {
        tooLong += 'a';
        SetWindowTextA(edit, tooLong.c_str());
    }
    std::string paragraph;
    for (int i = 0; i < 60; i++)
        paragraph += i == 45 ? "teh " : "word ";
    Show("a word line\r\n" + paragraph + "\r\nwrng\r\n" + tooLong + "\r\nwrong\r\nIt sme line");
    ASSERT_GT(SendMessageW(edit, EM_GETLINECOUNT, 0, 0), 7) << "the paragraph and the long word must wrap";
    EXPECT_GT(RedUnder(edit, text, "teh"), 3);
    EXPECT_GT(RedUnder(edit, text, "wrng"), 3);
    EXPECT_EQ(RedUnder(edit, text, "wrong"), 0);
    EXPECT_GT(RedUnder(edit, text, "sme"), 3);
    EXPECT_EQ(RedUnder(edit, text, "It"), 0);
}

TEST_F(MarksTest, TheWordBeingTypedIsMarkedWhenTheCaretLeavesIt)
{
    Show("");
    Type("This is teh");
    Settle();
    EXPECT_EQ(RedUnder(edit, text, "teh"), 0);
    Type(" wrng");
    Settle();
    EXPECT_GT(RedUnder(edit, text, "teh"), 3);
    EXPECT_EQ(RedUnder(edit, text, "wrng"), 0);
    SelectText(document, 0, 0);
    Settle();
    EXPECT_GT(RedUnder(edit, text, "wrng"), 3);
    // Typing a known word out of an unknown one takes its mark away.
    SelectText(document, 9, 11);
    Type("he");
    SelectText(document, 0, 0);
    Settle();
    EXPECT_EQ(text, "This is the wrng");
    EXPECT_EQ(RedUnder(edit, text, "the"), 0);
    EXPECT_GT(RedUnder(edit, text, "wrng"), 3);
    // A letter typed inside a marked word takes the whole mark away at once, before the marks' delay.
    SelectText(document, 14, 14);
    Type("o");
    EXPECT_EQ(text, "This is the wrong");
    EXPECT_EQ(RedUnder(edit, text, "wrong"), 0);
}

TEST_F(MarksTest, ASuggestionFromTheMenuReplacesTheWordAsOneStep)
{
    Show("This is teh text with a wrng word.");
    RightClick("teh", "the");
    std::vector<std::string> expected = {"the", "-", "I&gnore All", "&Add to Dictionary", "-"};
    expected.insert(expected.end(), EditCommands.begin(), EditCommands.end());
    EXPECT_EQ(menuItems, expected);
    EXPECT_EQ(text, "This is the text with a wrng word.");
    Settle();
    EXPECT_EQ(RedUnder(edit, text, "the"), 0);
    EXPECT_GT(RedUnder(edit, text, "wrng"), 3);
    SendMessageA(document, WM_COMMAND, IDM_EDIT_UNDO, 0);
    EXPECT_EQ(DocumentText(document), "This is teh text with a wrng word.");
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(MarksTest, TheMenuOffersTheFirstFiveOfTheSpellDialogsSuggestions)
{
    Show("a sxt");
    RightClick("sxt", "");
    char typedText[TypedTextSize];
    WordField typedField, suggestField;
    static TypedWordEntries entries;
    char refusal[RefusalSize];
    ASSERT_EQ(CheckTypedText("sxt", typedText, typedField, suggestField, entries, refusal), TypedWordUnknown);
    ASSERT_GT(entries.count, 5);
    std::vector<std::string> firstFive(entries.text, entries.text + 5);
    firstFive.push_back("-");
    firstFive.push_back("I&gnore All");
    ASSERT_GE(menuItems.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(menuItems.begin(), menuItems.begin() + 7), firstFive);
}

TEST_F(MarksTest, ElsewhereTheMenuHoldsTheEditCommands)
{
    Show("This is teh text.");
    RightClick("This", "&Select All\tCtrl+A");
    EXPECT_EQ(menuItems, EditCommands);
    int start = -1, end = -1;
    SelectionOf(document, start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, static_cast<int>(text.size()));
}

TEST_F(MarksTest, TheMenuKeyOffersTheCaretsWordInTheDocumentsForm)
{
    Show("It dosen\xE2\x80\x99t matter");
    SelectText(document, 5, 5);
    menuChoice = "doesn\xE2\x80\x99t";
    SendMessageW(edit, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit), -1);
    ASSERT_FALSE(menuItems.empty());
    EXPECT_EQ(menuItems[0], "doesn\xE2\x80\x99t");
    EXPECT_EQ(DocumentText(document), "It doesn\xE2\x80\x99t matter");
    // The menu opens under the word.
    POINT word = PlaceOf(edit, 3);
    ClientToScreen(edit, &word);
    EXPECT_EQ(menuPoint.x, word.x);
    EXPECT_GT(menuPoint.y, word.y);

    // Shift+F10 and the menu key open it too, once each.
    menuChoice.clear();
    menusShown = 0;
    {
        HeldKeys shift(VK_SHIFT);
        SendMessageW(edit, WM_SYSKEYDOWN, VK_F10, 1);
        PumpMessages();
    }
    EXPECT_EQ(menusShown, 1);
    EXPECT_EQ(menuItems, EditCommands);   // the caret now stands after the changed word
    SendMessageW(edit, WM_KEYDOWN, VK_APPS, 1);
    SendMessageW(edit, WM_KEYUP, VK_APPS, 0xC0000001);
    PumpMessages();
    EXPECT_EQ(menusShown, 2);
}

TEST_F(MarksTest, IgnoreAllAndAddToDictionaryTakeMarksAwayInEveryDocument)
{
    Show("teh wrng teh\r\nwrng");
    HWND first = document;
    document = NewDocument();
    Show("wrng teh");
    SendMessageA(frame, WM_COMMAND, IDM_WINDOW_TILE, 0);
    Settle();
    HWND firstEdit = EditOf(first);
    {
        // Only the rows whose marks change are painted again.
        PaintRecorder paints(firstEdit);
        RightClick("teh", "I&gnore All");
        Settle();
        int height = LineHeightOf(firstEdit);
        EXPECT_TRUE(paints.Painted(height / 2, 1));
        EXPECT_FALSE(paints.Painted(height + height / 2, 1));
    }
    EXPECT_EQ(RedUnder(edit, text, "teh"), 0);
    EXPECT_GT(RedUnder(edit, text, "wrng"), 3);
    EXPECT_EQ(RedUnder(firstEdit, "teh wrng teh", "teh", 1), 0);

    messages.Answer("Word Add", {IDYES});
    RightClick("wrng", "&Add to Dictionary");
    Settle();
    EXPECT_EQ(lists.ReadFile("Local.txt"), "wrng\r\n");
    EXPECT_EQ(RedUnder(edit, text, "wrng"), 0);
    EXPECT_EQ(RedUnder(firstEdit, "teh wrng teh", "wrng"), 0);
}

TEST_F(MarksTest, TheSwitchTurnsMarksOffAndIsRemembered)
{
    HMENU menu = GetMenu(frame);
    EXPECT_EQ(GetMenuState(menu, IDM_TOOLS_SPELLING_AS_YOU_TYPE, MF_BYCOMMAND) & MF_CHECKED, UINT(MF_CHECKED));
    Show("This is teh text.");
    ASSERT_GT(RedUnder(edit, text, "teh"), 3);
    SendMessageA(frame, WM_COMMAND, IDM_TOOLS_SPELLING_AS_YOU_TYPE, 0);
    Settle();
    EXPECT_EQ(RedUnder(edit, text, "teh"), 0);
    EXPECT_EQ(GetMenuState(menu, IDM_TOOLS_SPELLING_AS_YOU_TYPE, MF_BYCOMMAND) & MF_CHECKED, 0u);
    DWORD remembered = 1;
    EXPECT_TRUE(ReadSettingNumber(L"SpellingAsYouType", remembered));
    EXPECT_EQ(remembered, 0u);
    // A right click on the word, or the menu key with the caret in it, then offers the Edit commands alone.
    RightClick("teh", "");
    EXPECT_EQ(menuItems, EditCommands);
    SelectText(document, 9, 9);
    SendMessageW(edit, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit), -1);
    EXPECT_EQ(menuItems, EditCommands);

    // The next run starts with the switch off.
    SendMessageA(frame, WM_COMMAND, IDM_FILE_EXIT, 0);
    ASSERT_TRUE(QuitWasPosted());
    DestroyFrame(frame);
    PumpMessages();
    QuitWasPosted();
    hMainWindow = hMDIClient = nullptr;
    StartEditor(nullptr);
    menu = GetMenu(frame);
    EXPECT_EQ(GetMenuState(menu, IDM_TOOLS_SPELLING_AS_YOU_TYPE, MF_BYCOMMAND) & MF_CHECKED, 0u);
    document = NewDocument();
    Show("This is teh text.");
    EXPECT_EQ(RedUnder(edit, text, "teh"), 0);
    SendMessageA(frame, WM_COMMAND, IDM_TOOLS_SPELLING_AS_YOU_TYPE, 0);
    Settle();
    EXPECT_GT(RedUnder(edit, text, "teh"), 3);
}

TEST_F(MarksTest, MarksFollowScrollingAndTheFont)
{
    std::string lines;
    for (int i = 0; i < 200; i++)
        lines += i == 150 ? "a teh line\r\n" : "a word line\r\n";
    Show(lines);
    SendMessageW(edit, EM_LINESCROLL, 0, 140);
    Settle();
    EXPECT_GT(RedUnder(edit, text, "teh"), 3);
    // One line further: the mark moves with its word, and none stays where it stood.
    int teh = static_cast<int>(text.find("teh"));
    POINT before = PlaceOf(edit, teh);
    int height = LineHeightOf(edit);
    {
        // The control scrolls what it shows, marks and all: only the row brought into view is painted.
        PaintRecorder paints(edit);
        SendMessageW(edit, EM_LINESCROLL, 0, 1);
        Settle();
        RecheckMarksOfAllDocuments();
        Settle();
        EXPECT_FALSE(paints.Painted(before.y - height, 2 * height));
    }
    EXPECT_GT(RedUnder(edit, text, "teh"), 3);
    HDC dc = GetDC(edit);
    int red = 0;
    for (int x = before.x; x < before.x + 10; x++)
        red += IsMarkRed(GetPixel(dc, x, before.y + height - 2)) ? 1 : 0;
    ReleaseDC(edit, dc);
    EXPECT_EQ(red, 0);

    LOGFONTW large = {};
    large.lfHeight = -2 * height;
    lstrcpyW(large.lfFaceName, L"Tahoma");
    HFONT font = CreateFontIndirectW(&large);
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    Settle();
    EXPECT_GT(RedUnder(edit, text, "teh"), 3);
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(hEditorFont), TRUE);
    DeleteObject(font);
}

// ---- The spell run's progress ---------------------------------------------------------------------
std::vector<std::string> statusAtMessages;


int RecordStatus(HWND, const wchar_t* message, const wchar_t*, UINT)
{
    statusAtMessages.push_back(Utf8Of(message) + " | " + StatusText(0) + " | " + StatusText(1));
    return IDOK;
}

TEST_F(MarksTest, ALongRunShowsItsProgressAndEscStopsIt)
{
    std::string words;
    for (int i = 0; i < 5000; i++)
        words += "the ";
    Show(words);
    std::string before = StatusText(0) + " | " + StatusText(1);
    SetProgressDelayForTesting(0);
    statusAtMessages.clear();
    SetMessageBoxForTesting(RecordStatus);
    SelectText(document, 0, 0);
    // Esc, pressed while the run checks, stops it without its final message.
    PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 1);
    SendMessageA(document, WM_COMMAND, IDM_TOOLS_SPELLING, 0);
    EXPECT_TRUE(statusAtMessages.empty());
    EXPECT_EQ(StatusText(0) + " | " + StatusText(1), before);

    // Without Esc it goes to the end, its progress shown.
    SendMessageA(document, WM_COMMAND, IDM_TOOLS_SPELLING, 0);
    ASSERT_EQ(statusAtMessages.size(), 1u);
    EXPECT_EQ(statusAtMessages[0].rfind("The spelling check is complete | Spelling ", 0), 0u) << statusAtMessages[0];
    EXPECT_NE(statusAtMessages[0].find("% | Esc stops the spelling check."), std::string::npos) << statusAtMessages[0];
    EXPECT_EQ(StatusText(0) + " | " + StatusText(1), before);
    MessageLog after;   // answers what teardown may show
}

} // namespace
