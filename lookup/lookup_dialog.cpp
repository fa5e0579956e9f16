#include "lookup_dialog.h"

#include <cstring>

#include "list_pick.h"
#include "lookup_state.h"
#include "texts.h"
#include "typed_word_check.h"
#include "ui_seam.h"
#include "word_dialog_ids.h"

namespace {

void OnSpellCheck(HWND dialog)
{
    CheckTypedWord(dialog, LookupState.typedText, LookupState.typedField, LookupState.suggestField,
                   LookupState.selectedText);
}

void OnInitDialog(HWND dialog)
{
    if (LookupState.hasStartWord != 1) {
        SetDlgItemTextA(dialog, IDC_WORD_BOX, "");
        return;
    }
    LookupState.hasStartWord = 0;
    SetDlgItemTextA(dialog, IDC_WORD_BOX, LookupState.selectedText);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_LOOKUP_CHECK, BN_CLICKED), 0);
}

// Deletes the selected entries from the last to the first, so that the indexes not yet used stay valid.
void OnRemove(HWND dialog)
{
    LRESULT count = SendDlgItemMessageA(dialog, IDC_SUGGESTION_LIST, LB_GETSELCOUNT, 0, 0);
    if (count == LB_ERR) {
        ShowMessageBox(dialog, TEXT_ERROR_COUNTING_ITEMS, TEXT_CAPTION_WARNING, MB_OK);
        return;
    }
    if (count == 0) {
        ShowMessageBox(dialog, TEXT_NO_ITEMS_SELECTED, TEXT_CAPTION_WARNING, MB_OK);
        return;
    }
    HGLOBAL block = GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, static_cast<SIZE_T>(count) * sizeof(int));
    if (block == nullptr) {
        ShowMessageBox(dialog, TEXT_NO_MEMORY_TO_REMOVE, TEXT_CAPTION_WARNING, MB_ICONEXCLAMATION);
        return;
    }
    int* indexes = static_cast<int*>(static_cast<void*>(block));
    LRESULT got = SendDlgItemMessageA(dialog, IDC_SUGGESTION_LIST, LB_GETSELITEMS, static_cast<WPARAM>(count),
                                      reinterpret_cast<LPARAM>(indexes));
    for (LRESULT i = got - 1; i >= 0; i--)
        SendDlgItemMessageA(dialog, IDC_SUGGESTION_LIST, LB_DELETESTRING, static_cast<WPARAM>(indexes[i]), 0);
    GlobalFree(block);
}

void OnClear(HWND dialog)
{
    SetDlgItemTextA(dialog, IDC_WORD_STATUS, "");
    SetDlgItemTextA(dialog, IDC_LOOKUP_SELECTED_WORD, "");
    SendDlgItemMessageA(dialog, IDC_SUGGESTION_LIST, LB_RESETCONTENT, 0, 0);
}

void OnCommand(HWND dialog, int id, int notification)
{
    switch (id) {
    case IDC_SUGGESTION_LIST:
        PickListEntry(dialog, notification, IDC_LOOKUP_SELECTED_WORD, LookupState.selectedText,
                      static_cast<int>(sizeof LookupState.selectedText));
        break;
    case IDC_LOOKUP_CHECK: OnSpellCheck(dialog); break;
    case IDC_LOOKUP_REMOVE: OnRemove(dialog); break;
    case IDC_LOOKUP_CLEAR: OnClear(dialog); break;
    case IDC_LOOKUP_CANCEL: SendMessageA(dialog, WM_CLOSE, 0, 0); break;
    default: break;   // Enter and Esc (IDOK, IDCANCEL) do nothing
    }
}

} // namespace

INT_PTR RunLookupTool(HINSTANCE instance, const char* startWord)
{
    if (startWord[0] != 0) {
        LookupState.hasStartWord = 1;
        std::strncpy(LookupState.selectedText, startWord, StartWordWidth);
        LookupState.selectedText[StartWordWidth] = 0;
    }
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(WORD_DIALOG_ID), nullptr, LookupDialogProc, 0);
}

INT_PTR CALLBACK LookupDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}
