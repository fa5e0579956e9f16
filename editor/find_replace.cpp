#include "find_replace.h"

#include <cwchar>

#include "document_text.h"
#include "message_boxes.h"
#include "shell_state.h"
#include "texts.h"

UINT findMessageId = 0;
wchar_t findWhat[256];
wchar_t replaceWith[256];
int searchPos = 0;
int lastFoundPos = 0;

namespace {

// The system reads and writes these while their dialog is open, so they live for the whole process.
FINDREPLACEW findRecord;
FINDREPLACEW replaceRecord;

// A selection of an edit control.
struct EditSelection {
    HWND edit;
    DWORD start;
    DWORD end;
};

// The selection that the last search or replacement left (or that the command opening the dialog
// found). While it stands, the dialogs' buttons go on from searchPos; once the user has clicked, typed
// or selected, they start from the caret.
EditSelection selectionLeft = {nullptr, 0, 0};

const DWORD SearchChoicesHidden = FR_HIDEUPDOWN | FR_HIDEMATCHCASE | FR_HIDEWHOLEWORD;

// The dialogs belong to the frame, so that they stay in front of it whichever document the user clicks
// in; their requests go to the frame, which hands them to the active document.
void FillRecord(FINDREPLACEW& record, wchar_t* replaceBuffer, WORD replaceLength)
{
    ZeroMemory(&record, sizeof(record));
    record.lStructSize = sizeof(record);
    record.hwndOwner = hMainWindow;
    record.Flags = SearchChoicesHidden;
    record.lpstrFindWhat = findWhat;
    record.wFindWhatLen = sizeof(findWhat) / sizeof(findWhat[0]);
    record.lpstrReplaceWith = replaceBuffer;
    record.wReplaceWithLen = replaceLength;
}

EditSelection SelectionOf(HWND edit)
{
    EditSelection selection = {edit, 0, 0};
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start), reinterpret_cast<LPARAM>(&selection.end));
    return selection;
}

void RememberSelectionLeft(HWND edit)
{
    selectionLeft = SelectionOf(edit);
}

// The caret, when nothing is selected; the end of the selection otherwise.
int SelectionEnd(HWND document)
{
    return static_cast<int>(SelectionOf(GetDlgItem(document, DocumentEditId)).end);
}

// A selection the user made since the last search: the search starts from its end.
void StartFromAMovedCaret(HWND edit)
{
    EditSelection now = SelectionOf(edit);
    if (now.edit != selectionLeft.edit || now.start != selectionLeft.start || now.end != selectionLeft.end)
        searchPos = static_cast<int>(now.end);
}

int TextLength(const wchar_t* text)
{
    return text == nullptr ? 0 : lstrlenW(text);
}

const wchar_t* ReplacementOf(const FINDREPLACEW& record)
{
    return record.lpstrReplaceWith != nullptr ? record.lpstrReplaceWith : L"";
}

} // namespace

bool HasFindText()
{
    return findWhat[0] != L'\0';
}

HWND ShowFindDialog()
{
    FillRecord(findRecord, nullptr, 0);
    return FindTextW(&findRecord);
}

HWND ShowReplaceDialog()
{
    FillRecord(replaceRecord, replaceWith, sizeof(replaceWith) / sizeof(replaceWith[0]));
    return ReplaceTextW(&replaceRecord);
}

bool FindInEdit(HWND edit, int& position, const FINDREPLACEW& record)
{
    const wchar_t* wanted = record.lpstrFindWhat;
    int wantedLength = TextLength(wanted);
    // An empty search text would match everywhere without moving on.
    if (wantedLength == 0)
        return false;
    DocumentTextCopy text(edit);
    if (!text.IsValid())
        return false;
    // A position beyond the text (the text was shortened since) finds nothing.
    const wchar_t* match = nullptr;
    if (position >= 0 && position <= text.Length())
        match = std::wcsstr(text.Text() + position, wanted);
    if (match == nullptr)
        return false;
    lastFoundPos = static_cast<int>(match - text.Text());
    position = lastFoundPos + wantedLength;
    SelectDocumentSpan(edit, lastFoundPos, position);
    return true;
}

bool FindNextInEdit(HWND edit, int& position)
{
    FINDREPLACEW record;
    ZeroMemory(&record, sizeof(record));
    record.lpstrFindWhat = findWhat;
    return FindInEdit(edit, position, record);
}

bool ReplaceInEdit(HWND edit, int& position, const FINDREPLACEW& record)
{
    // After Find Next the position is the end of the selected match: step back onto it.
    position -= TextLength(record.lpstrFindWhat);
    if (position < 0)
        position = 0;
    if (!FindInEdit(edit, position, record))
        return false;
    const wchar_t* replacement = ReplacementOf(record);
    ReplaceDocumentSpan(edit, lastFoundPos, position, replacement, false);
    SelectDocumentSpan(edit, lastFoundPos, lastFoundPos + TextLength(replacement));
    return true;
}

bool ReplaceAllInEdit(HWND edit, int& position, const FINDREPLACEW& record)
{
    const wchar_t* wanted = record.lpstrFindWhat;
    const wchar_t* replacement = ReplacementOf(record);
    position -= TextLength(wanted);
    if (position < 0)
        position = 0;
    if (TextLength(wanted) == 0)
        return false;
    DocumentTextCopy text(edit);
    if (!text.IsValid())
        return false;
    Replacing replacing = {FindSubstring, wanted, replacement, nullptr, nullptr};
    ReplacedSpan span = FindReplacedSpan(text.Text(), text.Length(), position, replacing);
    // One change of the text, which the document's history takes as one step for Undo.
    if (span.count == 0 || !PutReplacedSpan(edit, text.Text(), text.Length(), span, replacing, false))
        return false;
    lastFoundPos = span.lastStart;
    position = span.lastStart + TextLength(replacement);
    SelectDocumentSpan(edit, lastFoundPos, position);
    return true;
}

void FindCommand(HWND document)
{
    searchPos = SelectionEnd(document);
    RememberSelectionLeft(GetDlgItem(document, DocumentEditId));
    hFindDialog = ShowFindDialog();
}

void FindNextCommand(HWND document)
{
    HWND edit = GetDlgItem(document, DocumentEditId);
    searchPos = SelectionEnd(document);
    if (HasFindText())
        FindNextInEdit(edit, searchPos);
    else
        hFindDialog = ShowFindDialog();
    RememberSelectionLeft(edit);
}

void ReplaceCommand(HWND document)
{
    searchPos = SelectionEnd(document);
    RememberSelectionLeft(GetDlgItem(document, DocumentEditId));
    hFindDialog = ShowReplaceDialog();
}

LRESULT HandleFindRequest(HWND document, LPARAM recordParameter)
{
    const FINDREPLACEW& record = *reinterpret_cast<const FINDREPLACEW*>(recordParameter);
    if (record.Flags & FR_DIALOGTERM)
        hFindDialog = nullptr;
    if (document == nullptr)
        return 0;   // the last document closed while the dialog stayed open
    HWND edit = GetDlgItem(document, DocumentEditId);
    bool searching = (record.Flags & (FR_FINDNEXT | FR_REPLACE | FR_REPLACEALL)) != 0;
    if (searching)
        StartFromAMovedCaret(edit);
    if (record.Flags & FR_FINDNEXT) {
        if (!FindInEdit(edit, searchPos, record))
            ShowMessageBox(edit, TEXT_FIND_NOT_FOUND, TEXT_MESSAGE_CAPTION, MB_ICONEXCLAMATION);
    }
    if (record.Flags & FR_REPLACEALL) {
        // Once the user is told nothing was found, nothing is replaced: a second search
        // stepping back further would change text before the caret after that message.
        if (!ReplaceAllInEdit(edit, searchPos, record))
            ShowMessageBox(edit, TEXT_REPLACE_NOT_FOUND, TEXT_MESSAGE_CAPTION, MB_ICONEXCLAMATION);
    } else if (record.Flags & FR_REPLACE) {
        if (!ReplaceInEdit(edit, searchPos, record))
            ShowMessageBox(edit, TEXT_REPLACE_NOT_FOUND, TEXT_MESSAGE_CAPTION, MB_ICONEXCLAMATION);
    }
    if (searching)
        RememberSelectionLeft(edit);
    return 0;
}
