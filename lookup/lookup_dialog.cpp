#include "lookup_dialog.h"

#include "list_pick.h"
#include "lookup_state.h"
#include "message_boxes.h"
#include "texts.h"
#include "typed_word_check.h"
#include "word_dialog.h"
#include "word_dialog_ids.h"

namespace {

LookupRecord& LookupOf(HWND dialog)
{
    return *static_cast<LookupRecord*>(WordDialogRecord(dialog));
}

void OnSpellCheck(HWND dialog)
{
    LookupRecord& lookup = LookupOf(dialog);
    CheckTypedWord(dialog, lookup.typedText, lookup.typedField, lookup.suggestField);
}

void OnOpening(HWND dialog)
{
    LookupRecord& lookup = LookupOf(dialog);
    if (lookup.hasStartWord != 1) {
        SetDlgItemTextW(dialog, IDC_WORD_BOX, L"");
        return;
    }
    lookup.hasStartWord = 0;
    SetDlgItemTextW(dialog, IDC_WORD_BOX, lookup.startWord);
    PressWordDialogButton(dialog, IDC_LOOKUP_CHECK);
}

// Deletes the selected entries from the last to the first, so that the indexes not yet used stay valid.
void OnRemove(HWND dialog)
{
    int count = SelectedEntryCount(dialog);
    if (count == 0)
        return;
    HGLOBAL block = GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, static_cast<SIZE_T>(count) * sizeof(int));
    if (block == nullptr) {
        ShowMessageBox(dialog, TEXT_NO_MEMORY_TO_REMOVE, TEXT_CAPTION_WARNING, MB_ICONEXCLAMATION);
        return;
    }
    int* indexes = static_cast<int*>(static_cast<void*>(block));
    LRESULT got = SendDlgItemMessageW(dialog, IDC_SUGGESTION_LIST, LB_GETSELITEMS, static_cast<WPARAM>(count),
                                      reinterpret_cast<LPARAM>(indexes));
    for (LRESULT i = got - 1; i >= 0; i--)
        SendDlgItemMessageW(dialog, IDC_SUGGESTION_LIST, LB_DELETESTRING, static_cast<WPARAM>(indexes[i]), 0);
    GlobalFree(block);
}

void OnClear(HWND dialog)
{
    SetDlgItemTextW(dialog, IDC_WORD_STATUS, L"");
    SetDlgItemTextW(dialog, IDC_LOOKUP_SELECTED_WORD, L"");
    SendDlgItemMessageW(dialog, IDC_SUGGESTION_LIST, LB_RESETCONTENT, 0, 0);
}

void OnCommand(HWND dialog, int id, int notification)
{
    switch (id) {
    case IDC_SUGGESTION_LIST:
        PickListEntry(dialog, notification, IDC_LOOKUP_SELECTED_WORD, LookupOf(dialog).pickedText, TypedTextSize);
        break;
    case IDC_LOOKUP_CHECK: OnSpellCheck(dialog); break;
    case IDC_LOOKUP_REMOVE: OnRemove(dialog); break;
    case IDC_LOOKUP_CLEAR: OnClear(dialog); break;
    case IDC_LOOKUP_CANCEL: CloseWordDialog(dialog); break;
    default: break;   // Enter and Esc (IDOK, IDCANCEL) do nothing
    }
}

} // namespace

INT_PTR RunLookupTool(HINSTANCE instance, const wchar_t* startWord)
{
    if (startWord[0] != 0) {
        LookupState.hasStartWord = 1;
        lstrcpynW(LookupState.startWord, startWord, StartWordWidth + 1);
    }
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(WORD_DIALOG_ID), nullptr, LookupDialogProc,
                           reinterpret_cast<LPARAM>(&LookupState));
}

INT_PTR CALLBACK LookupDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return HandleWordDialogMessage(dialog, message, wParam, lParam, OnOpening, OnCommand);
}
