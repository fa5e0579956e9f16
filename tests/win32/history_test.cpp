// Undo and Redo through the whole history of a document, driven through the real windows and keys.
#include "editor_harness.h"

#include <string>
#include <vector>

#include "find_replace.h"
#include "resource_ids.h"
#include "shell_state.h"

namespace {

class HistoryTest : public EditorTest {
protected:
    // Opens the file, holding the bytes, as the editor's command line does; its edit control gets the focus.
    HWND OpenWith(const std::string& name, const std::string& bytes)
    {
        path = PathOf(name);
        WriteBytes(path, bytes);
        StartEditor(path.c_str());
        HWND document = ActiveDocumentWindow();
        SetFocus(EditOf(document));
        return document;
    }
    bool Press(int key, int modifier = VK_CONTROL)
    {
        return PressAcceleratorKey(frame, accelerators, EditOf(ActiveDocumentWindow()), key, modifier);
    }

    std::string path;
};

void TypeKeys(HWND edit, const wchar_t* keys)
{
    for (const wchar_t* key = keys; *key != L'\0'; key++)
        SendMessageW(edit, WM_CHAR, *key, 1);
}

void ClickAt(HWND edit, int index)
{
    LPARAM point = SendMessageW(edit, EM_POSFROMCHAR, static_cast<WPARAM>(index), 0);
    SendMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(edit, WM_LBUTTONUP, 0, point);
}

TEST_F(HistoryTest, ThreeEditsAtDifferentPlacesAreUndoneStepByStepAndRedoneByteForByte)
{
    const std::string opened = "Dear Zo\xC3\xAB,\r\nthe caf\xC3\xA9 opens at nine.\r\nYours, Ann\r\n";
    HWND document = OpenWith("letter.txt", opened);
    HWND edit = EditOf(document);
    std::vector<std::string> texts = {DocumentText(document)};

    // A run of typing after a click, a run of Backspace elsewhere, then a word cut with Ctrl+X.
    ClickAt(edit, 8);
    TypeKeys(edit, L" and Max");
    texts.push_back(DocumentText(document));
    ClickAt(edit, 41);
    TypeKeys(edit, L"\b\b\b\b\b");
    texts.push_back(DocumentText(document));
    SelectText(document, 46, 49);
    ASSERT_TRUE(Press('X'));
    texts.push_back(DocumentText(document));
    EXPECT_EQ(texts.back(), "Dear Zo\xC3\xAB and Max,\r\nthe caf\xC3\xA9 opens at.\r\nYours, \r\n");

    for (size_t i = texts.size() - 1; i > 0; i--) {
        ASSERT_TRUE(Press('Z'));
        EXPECT_EQ(DocumentText(document), texts[i - 1]) << "after undoing step " << i;
    }
    EXPECT_FALSE(IsModified(document)) << "back at the text as opened";
    ASSERT_TRUE(Press('Z'));
    EXPECT_EQ(DocumentText(document), texts[0]) << "nothing left to undo";
    // The text as opened saves as the bytes it was opened from.
    ASSERT_TRUE(Press('S'));
    EXPECT_EQ(ReadBytes(path), opened);

    for (size_t i = 1; i < texts.size(); i++) {
        ASSERT_TRUE(Press('Y'));
        EXPECT_EQ(DocumentText(document), texts[i]) << "after redoing step " << i;
    }
    EXPECT_TRUE(IsModified(document));
    ASSERT_TRUE(Press('Y'));
    EXPECT_EQ(DocumentText(document), texts.back()) << "nothing left to redo";
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(HistoryTest, UndoBackToTheSavedTextClearsTheChangedMarkAndRedoPastItSetsIt)
{
    HWND document = OpenWith("notes.txt", "notes");
    HWND edit = EditOf(document);
    SelectText(document, 5, 5);
    TypeKeys(edit, L" one");
    ASSERT_TRUE(Press('S'));
    EXPECT_FALSE(IsModified(document));
    TypeKeys(edit, L" two");
    EXPECT_TRUE(IsModified(document));

    ASSERT_TRUE(Press('Z'));
    EXPECT_EQ(DocumentText(document), "notes one");
    EXPECT_FALSE(IsModified(document));
    ASSERT_TRUE(Press('Z'));
    EXPECT_EQ(DocumentText(document), "notes");
    EXPECT_TRUE(IsModified(document)) << "the file holds \"notes one\"";
    ASSERT_TRUE(Press('Y'));
    EXPECT_FALSE(IsModified(document));
    ASSERT_TRUE(Press('Y'));
    EXPECT_TRUE(IsModified(document));
}

TEST_F(HistoryTest, ReplaceAllIsOneStepThatUndoTakesBackWhole)
{
    std::string text;
    for (int i = 0; i < 200; i++)
        text += "a cat and a dog\r\n";
    HWND document = OpenWith("pets.txt", text);
    const std::string before = DocumentText(document);
    FINDREPLACEW record = {};
    record.lStructSize = sizeof(record);
    record.Flags = FR_REPLACEALL;
    record.lpstrFindWhat = const_cast<wchar_t*>(L"cat");
    record.lpstrReplaceWith = const_cast<wchar_t*>(L"lion");
    searchPos = 0;
    HandleFindRequest(document, reinterpret_cast<LPARAM>(&record));
    const std::string after = DocumentText(document);
    ASSERT_EQ(after.find("cat"), std::string::npos);

    ASSERT_TRUE(Press('Z'));
    EXPECT_EQ(DocumentText(document), before);
    EXPECT_FALSE(IsModified(document));
    ASSERT_TRUE(Press('Y'));
    EXPECT_EQ(DocumentText(document), after);
}

TEST_F(HistoryTest, TheEditControlsOwnUndoMessagesTakeTheHistoryStepByStep)
{
    HWND document = OpenWith("words.txt", "one two");
    HWND edit = EditOf(document);
    EXPECT_FALSE(SendMessageW(edit, EM_CANUNDO, 0, 0));
    SelectText(document, 0, 3);
    SendMessageW(edit, WM_CUT, 0, 0);
    SelectText(document, 4, 4);
    SendMessageW(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(DocumentText(document), " twoone");
    EXPECT_TRUE(SendMessageW(edit, EM_CANUNDO, 0, 0));

    // The control's own Undo would take back the Paste and then put it again.
    EXPECT_TRUE(SendMessageW(edit, EM_UNDO, 0, 0));
    EXPECT_EQ(DocumentText(document), " two");
    EXPECT_TRUE(SendMessageW(edit, WM_UNDO, 0, 0));
    EXPECT_EQ(DocumentText(document), "one two");
    EXPECT_FALSE(SendMessageW(edit, EM_CANUNDO, 0, 0));
    EXPECT_FALSE(SendMessageW(edit, EM_UNDO, 0, 0));
    EXPECT_EQ(DocumentText(document), "one two");
}

} // namespace
