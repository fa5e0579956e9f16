#include "edit_context_menu.h"

#include "caret_position.h"
#include "document_form.h"
#include "document_text.h"
#include "editor_hooks.h"
#include "local_words.h"
#include "message_boxes.h"
#include "resource_ids.h"
#include "spelling_marks.h"
#include "spelling_switch.h"
#include "texts.h"
#include "typed_text_check.h"
#include "view_marks.h"
#include "word_check.h"
#include "word_scanner.h"

namespace {

// Suggestions the menu offers at most, in the spell dialog's order.
const int MenuSuggestions = 5;
// The items of the menu resource before the Edit commands: Ignore All, Add to Dictionary, a separator.
const int SpellingItems = 3;

struct MenuWord {
    DocumentWord word;
    int suggestionCount;
    wchar_t suggestions[MenuSuggestions][TypedTextSize];   // as the document would write them
};

// The suggestions the spell dialog would list first (the correction alone for a listed misspelling).
void FindSuggestions(MenuWord& menuWord)
{
    menuWord.suggestionCount = 0;
    char typedText[TypedTextSize];
    WordField typedField, suggestField;
    TypedWordEntries entries;
    char refusal[RefusalSize];
    if (CheckTypedText(menuWord.word.listForm, typedText, typedField, suggestField, entries, refusal) !=
        TypedWordUnknown)
        return;
    for (int16_t i = 0; i < entries.count && menuWord.suggestionCount < MenuSuggestions; i++)
        DocumentFormOf(entries.text[i], menuWord.word.text, menuWord.word.length,
                       menuWord.suggestions[menuWord.suggestionCount++], TypedTextSize);
}

// The unknown word under a client point: the one a mark is drawn under there.
bool UnknownWordUnder(HWND edit, POINT client, DocumentWord& word)
{
    static ViewMarks found;
    ViewGeometry view;
    if (!GetViewGeometry(edit, view))
        return false;
    int row = RowAt(view, client.y);
    if (row < 0 || !FindViewMarks(edit, view, row, row + 1, -1, found))
        return false;
    for (int32_t i = 0; i < found.count; i++)
        if (client.x >= found.marks[i].left && client.x < found.marks[i].right)
            return UnknownWordAt(edit, found.marks[i].start, word);
    return false;
}

void AddSuggestions(HMENU menu, const MenuWord& menuWord)
{
    UINT position = 0;
    for (int i = 0; i < menuWord.suggestionCount; i++)
        InsertMenuW(menu, position++, MF_BYPOSITION | MF_STRING, IDM_CONTEXT_SUGGESTION_FIRST + i,
                    menuWord.suggestions[i]);
    if (menuWord.suggestionCount == 0)
        InsertMenuW(menu, position++, MF_BYPOSITION | MF_STRING | MF_GRAYED, 0, WIDE(TEXT_CONTEXT_NO_SUGGESTIONS));
    InsertMenuW(menu, position, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

void GrayWhatCannotBeDone(HWND edit, HMENU menu)
{
    int start = 0, end = 0;
    GetDocumentSelection(edit, start, end);
    UINT selection = start != end ? MF_ENABLED : MF_GRAYED;
    EnableMenuItem(menu, IDM_EDIT_CUT, MF_BYCOMMAND | selection);
    EnableMenuItem(menu, IDM_EDIT_COPY, MF_BYCOMMAND | selection);
    EnableMenuItem(menu, IDM_EDIT_DELETE, MF_BYCOMMAND | selection);
    UINT clipboard = IsClipboardFormatAvailable(CF_UNICODETEXT) ? MF_ENABLED : MF_GRAYED;
    EnableMenuItem(menu, IDM_EDIT_PASTE, MF_BYCOMMAND | clipboard);
}

// Where a menu opened from the keyboard stands: under the caret's word, or under the caret.
POINT MenuPointAt(HWND edit, int index)
{
    LRESULT place = SendMessageW(edit, EM_POSFROMCHAR, static_cast<WPARAM>(index), 0);
    ViewGeometry view;
    int below = GetViewGeometry(edit, view) ? view.lineHeight : 0;
    POINT point = {static_cast<short>(LOWORD(place)), static_cast<short>(HIWORD(place)) + below};
    ClientToScreen(edit, &point);
    return point;
}

void ReplaceWord(HWND edit, const MenuWord& menuWord, int suggestion)
{
    const DocumentWord& word = menuWord.word;
    ReplaceDocumentSpan(edit, word.start, word.start + word.length, menuWord.suggestions[suggestion], true);
}

void IgnoreAll(HWND document, const DocumentWord& word)
{
    WordField field;
    ToWordField(word.listForm, field);
    int16_t status = 0;
    AddIgnoredWord(field, status);
    if (!Succeeded(status))
        ShowMessageBox(document, TEXT_NO_ROOM_TO_ADD, TEXT_CAPTION_WARNING, MB_OK);
    RecheckMarksOfAllDocuments();
}

void AddToDictionary(HWND document, const DocumentWord& word)
{
    // As the spell dialog's Word Add: a word of 32 characters is longer than a checked word may be.
    if (word.length > TypedTextSize - 1)
        ShowMessageBox(document, TEXT_WORD_TOO_LONG, TEXT_CAPTION_WARNING, MB_ICONEXCLAMATION);
    else
        OfferLocalWord(document, word.listForm);
    RecheckMarksOfAllDocuments();
}

void CarryOut(HWND edit, UINT command, const MenuWord& menuWord)
{
    HWND document = GetParent(edit);
    if (command >= IDM_CONTEXT_SUGGESTION_FIRST && command < IDM_CONTEXT_SUGGESTION_FIRST + MenuSuggestions)
        ReplaceWord(edit, menuWord, static_cast<int>(command - IDM_CONTEXT_SUGGESTION_FIRST));
    else if (command == IDM_CONTEXT_IGNORE_ALL)
        IgnoreAll(document, menuWord.word);
    else if (command == IDM_CONTEXT_ADD_WORD)
        AddToDictionary(document, menuWord.word);
    else if (command != 0)
        SendMessageW(document, WM_COMMAND, command, 0);
}

} // namespace

bool IsContextMenuKey(UINT message, WPARAM key)
{
    // The key's state is asked last: every message of the control comes here, and under Wine
    // GetKeyState asks the window server.
    if (message == WM_KEYUP && key == VK_APPS)
        return true;
    return (message == WM_SYSKEYDOWN || message == WM_KEYDOWN) && key == VK_F10 &&
           (GetKeyState(VK_SHIFT) & 0x8000) != 0;
}

void ShowEditContextMenu(HWND edit, LPARAM point)
{
    static MenuWord menuWord;
    bool fromKeyboard = point == -1;
    POINT screen = {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    bool onWord = false;
    if (fromKeyboard) {
        int caret = CaretIndex(edit);
        onWord = SpellingAsYouTypeOn() && UnknownWordAt(edit, caret, menuWord.word);
        screen = MenuPointAt(edit, onWord ? menuWord.word.start : caret);
    } else {
        POINT client = screen;
        ScreenToClient(edit, &client);
        onWord = SpellingAsYouTypeOn() && UnknownWordUnder(edit, client, menuWord.word);
    }

    HMENU resource = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDM_EDIT_CONTEXT_MENU));
    if (resource == nullptr)
        return;
    HMENU menu = GetSubMenu(resource, 0);
    if (onWord) {
        FindSuggestions(menuWord);
        AddSuggestions(menu, menuWord);
    } else {
        for (int i = 0; i < SpellingItems; i++)
            DeleteMenu(menu, 0, MF_BYPOSITION);
    }
    GrayWhatCannotBeDone(edit, menu);
    UINT command = ChooseFromPopupMenu(menu, screen.x, screen.y, GetParent(edit));
    DestroyMenu(resource);
    CarryOut(edit, command, menuWord);
}
