#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor_harness.h"
#include "editor_hooks.h"
#include "font_keeper.h"
#include "fonts.h"
#include "shell_state.h"

namespace {

HFONT FontOf(HWND document)
{
    return reinterpret_cast<HFONT>(SendMessageA(EditOf(document), WM_GETFONT, 0, 0));
}

std::string FaceOf(HFONT font)
{
    LOGFONTW logical = {};
    if (GetObjectW(font, sizeof(logical), &logical) == 0)
        return "";
    return Utf8Of(logical.lfFaceName);
}

bool IsLiveFont(HFONT font)
{
    return GetObjectType(font) == OBJ_FONT;
}

// The Font dialog as the test answers it.
struct FontDialogScript {
    int calls = 0;
    HWND owners[2] = {};
    DWORD flagsSeen = 0;
    COLORREF colourOffered = 0;
    std::string faceOffered;
    DWORD firstFailure = 0;      // what the first call reports when it does not choose
    bool choose = false;
    const char* face = "Courier New";
    COLORREF colour = RGB(200, 0, 0);
};
FontDialogScript script;

BOOL AnswerFontDialog(CHOOSEFONTW* record, DWORD* failure)
{
    if (script.calls < 2)
        script.owners[script.calls] = record->hwndOwner;
    ++script.calls;
    script.flagsSeen = record->Flags;
    script.colourOffered = record->rgbColors;
    script.faceOffered = Utf8Of(record->lpLogFont->lfFaceName);
    if (script.calls == 1 && script.firstFailure != 0) {
        *failure = script.firstFailure;
        return FALSE;
    }
    if (!script.choose) {
        *failure = 0;
        return FALSE;
    }
    lstrcpynW(record->lpLogFont->lfFaceName, WideOf(script.face).c_str(), LF_FACESIZE);
    record->rgbColors = script.colour;
    *failure = 0;
    return TRUE;
}

class FontsTest : public SharedFrameTest {
protected:
    void SetUp() override
    {
        SharedFrameTest::SetUp();
        script = FontDialogScript();
        // Every test starts from the editor's default font.
        CreateDefaultFont();
    }

    MessageLog messages;
    SeamStandIn<FontDialogFunction> fontDialog{SetFontDialogForTesting, AnswerFontDialog};
};

TEST_F(FontsTest, TimesNewRomanChangesOnlyTheActiveDocumentAndKeepsItsChanges)
{
    HWND older = Document("older");
    HWND active = Document("active");
    HFONT lucida = FontOf(older);
    TypeText(active, " typed");
    ASSERT_TRUE(IsModified(active));

    SendMessageA(hMainWindow, WM_COMMAND, 40024, 0);
    EXPECT_EQ(FaceOf(FontOf(active)), "Times New Roman");
    EXPECT_EQ(FontOf(active), hEditorFont);
    EXPECT_TRUE(IsModified(active));
    EXPECT_EQ(DocumentText(active), " typedactive");
    // The other document still shows the font it had, and that font is still alive.
    EXPECT_EQ(FontOf(older), lucida);
    EXPECT_TRUE(IsLiveFont(lucida));
    EXPECT_FALSE(IsModified(older));
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(FontsTest, DefaultGuiFontKeepsTheModifiedStateEitherWay)
{
    HWND clean = Document("clean");
    SendMessageA(hMainWindow, WM_COMMAND, 40023, 0);
    EXPECT_EQ(FontOf(clean), static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    EXPECT_FALSE(IsModified(clean));

    TypeText(clean, "x");
    SendMessageA(hMainWindow, WM_COMMAND, 40024, 0);
    EXPECT_EQ(FaceOf(FontOf(clean)), "Times New Roman");
    EXPECT_TRUE(IsModified(clean));
    EXPECT_EQ(DocumentText(clean), "xclean");
}

// The control lays the text out anew by itself: nothing sets the text again, which would lose the
// history and put the first line at the top.
TEST_F(FontsTest, AFontChangeKeepsTheHistoryTheSelectionAndTheLineShownFirst)
{
    // Long lines, which wrap differently in another font.
    std::string text;
    for (int i = 1; i <= 200; ++i) {
        text += "line " + std::to_string(i);
        for (int word = 0; word < 50; ++word)
            text += " words";
        text += "\r\n";
    }
    HWND document = Document(text.c_str());
    HWND edit = EditOf(document);
    SendMessageW(edit, EM_LINESCROLL, 0, 450);
    LRESULT firstShown = SendMessageW(edit, EM_LINEINDEX, SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    ASSERT_GT(firstShown, 0);
    // The selection a few lines further down, where the font change does not bring it to the top.
    int selected = static_cast<int>(
        SendMessageW(edit, EM_LINEINDEX, SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0) + 8, 0));
    SelectText(document, selected + 5, selected + 8);
    TypeText(document, "#");
    SelectText(document, selected, selected + 4);
    LRESULT linesBefore = SendMessageW(edit, EM_GETLINECOUNT, 0, 0);

    SendMessageA(hMainWindow, WM_COMMAND, 40023, 0);
    EXPECT_EQ(FontOf(document), static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    ASSERT_NE(SendMessageW(edit, EM_GETLINECOUNT, 0, 0), linesBefore) << "the lines wrap anew";
    EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0),
              SendMessageW(edit, EM_LINEFROMCHAR, static_cast<WPARAM>(firstShown), 0));
    int start = 0, end = 0;
    SelectionOf(document, start, end);
    EXPECT_EQ(start, selected);
    EXPECT_EQ(end, selected + 4);
    EXPECT_TRUE(IsModified(document));
    SendMessageW(edit, WM_UNDO, 0, 0);
    EXPECT_EQ(DocumentText(document), text);
    EXPECT_FALSE(IsModified(document));
}

TEST_F(FontsTest, AReplacedFontIsReleasedOnceNoDocumentShowsIt)
{
    HWND older = Document("older");
    HWND active = Document("active");
    HFONT lucida = FontOf(older);
    SendMessageA(hMainWindow, WM_COMMAND, 40024, 0);
    HFONT times = FontOf(active);
    ASSERT_TRUE(IsLiveFont(lucida));

    Close(older);
    SendMessageA(hMainWindow, WM_COMMAND, 40023, 0);
    EXPECT_FALSE(IsLiveFont(lucida));   // nobody shows it any more
    EXPECT_FALSE(IsLiveFont(times));    // the active document moved on to the stock font

    // Many changes with one document open keep no font alive but the ones in use.
    std::vector<HFONT> made;
    for (int i = 0; i < 20; ++i) {
        SendMessageA(hMainWindow, WM_COMMAND, i % 2 == 0 ? 40024 : 40023, 0);
        made.push_back(hEditorFont);
    }
    HFONT stock = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    int leaked = 0;
    for (HFONT font : made)
        leaked += font != stock && font != hEditorFont && font != FontOf(active) && IsLiveFont(font);
    EXPECT_EQ(leaked, 0);
}

TEST_F(FontsTest, CancelInTheFontDialogChangesNothing)
{
    HWND document = Document("text");
    TypeText(document, "more ");
    fontColor = RGB(1, 2, 3);
    HFONT before = hEditorFont;

    SendMessageA(hMainWindow, WM_COMMAND, 40022, 0);
    EXPECT_EQ(script.calls, 1);
    EXPECT_EQ(script.owners[0], document);
    EXPECT_EQ(script.flagsSeen, static_cast<DWORD>(CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS));
    EXPECT_EQ(script.faceOffered, "Lucida Console");
    EXPECT_EQ(hEditorFont, before);
    EXPECT_EQ(FontOf(document), before);
    EXPECT_EQ(fontColor, RGB(1, 2, 3));
    EXPECT_TRUE(IsModified(document));
}

TEST_F(FontsTest, AChosenFontAndColourAreTakenAndOfferedAgain)
{
    HWND older = Document("older");
    HWND document = Document("text");
    HFONT lucida = FontOf(older);
    TypeText(document, "more ");
    fontColor = 0;
    script.choose = true;

    SendMessageA(hMainWindow, WM_COMMAND, 40022, 0);
    EXPECT_EQ(FaceOf(FontOf(document)), "Courier New");
    EXPECT_EQ(fontColor, RGB(200, 0, 0));
    EXPECT_TRUE(IsModified(document));
    EXPECT_EQ(FontOf(older), lucida);
    EXPECT_TRUE(IsLiveFont(lucida));

    script.choose = false;
    SendMessageA(hMainWindow, WM_COMMAND, 40022, 0);
    EXPECT_EQ(script.colourOffered, RGB(200, 0, 0));
    EXPECT_EQ(script.faceOffered, "Courier New");
}

TEST_F(FontsTest, ADialogThatCannotAppearIsRetriedOnceOverTheMdiClient)
{
    HWND document = Document("text");
    script.firstFailure = CDERR_DIALOGFAILURE;
    script.choose = true;
    SendMessageA(hMainWindow, WM_COMMAND, 40022, 0);
    EXPECT_EQ(script.calls, 2);
    EXPECT_EQ(script.owners[0], document);
    EXPECT_EQ(script.owners[1], hMDIClient);
    EXPECT_EQ(FaceOf(FontOf(document)), "Courier New");

    // Any other failure is not retried.
    script = FontDialogScript();
    script.firstFailure = CDERR_STRUCTSIZE;
    script.choose = true;
    HFONT before = hEditorFont;
    SendMessageA(hMainWindow, WM_COMMAND, 40022, 0);
    EXPECT_EQ(script.calls, 1);
    EXPECT_EQ(hEditorFont, before);
}

TEST_F(FontsTest, WithoutDocumentsTheNextDocumentGetsTheNewFont)
{
    ASSERT_EQ(SendMessageA(hMDIClient, WM_MDIGETACTIVE, 0, 0), 0);
    script.choose = true;
    SendMessageA(hMainWindow, WM_COMMAND, 40022, 0);
    EXPECT_EQ(script.owners[0], hMainWindow);
    HWND document = Document("new");
    EXPECT_EQ(FaceOf(FontOf(document)), "Courier New");
}

TEST_F(FontsTest, ReleasingAtExitFreesEveryFontTheEditorMade)
{
    HWND older = Document("older");
    Document("active");
    HFONT lucida = FontOf(older);
    SendMessageA(hMainWindow, WM_COMMAND, 40024, 0);
    HFONT times = hEditorFont;
    ReleaseEditorFonts();
    EXPECT_FALSE(IsLiveFont(lucida));
    EXPECT_FALSE(IsLiveFont(times));
    EXPECT_EQ(hEditorFont, nullptr);
}

} // namespace
