#include "spell_dialog.h"

#include <cstring>

#include "list_pick.h"
#include "spell_run_state.h"
#include "texts.h"
#include "typed_word_check.h"
#include "ui_seam.h"
#include "word_check.h"
#include "word_dialog_ids.h"
#include "word_scanner.h"

namespace {

const char NoReplacement[] = "  ";

void CloseDialog(HWND dialog)
{
    SendMessageA(dialog, WM_CLOSE, 0, 0);
}

void Finish(HWND dialog, int32_t action, int32_t stopRun)
{
    SpellRunState.action = action;
    SpellRunState.stopRun = stopRun;
    CloseDialog(dialog);
}

void OnSpellCheck(HWND dialog)
{
    CheckTypedWord(dialog, SpellRunState.typedText, SpellRunState.typedField, SpellRunState.suggestField,
                   SpellRunState.replacement);
}

void OnInitDialog(HWND dialog)
{
    SpellRunState.action = ActionNone;
    SpellRunState.stopRun = 1;
    std::strcpy(SpellRunState.replacement, NoReplacement);
    // A document word too long for the check must not leave the previous dialog's word to Word Add:
    // until a check succeeds there is no checked word.
    SpellRunState.typedText[0] = 0;
    ToWordField(SpellRunState.typedText, SpellRunState.typedField);

    SetDlgItemTextA(dialog, IDC_WORD_BOX, SpellRunState.currentWord);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SPELL_CHECK, BN_CLICKED), 0);
    std::strcpy(SpellRunState.wordToAdd, SpellRunState.typedText);
}

void OnIgnoreOnce(HWND dialog)
{
    std::strcpy(SpellRunState.replacement, NoReplacement);
    Finish(dialog, ActionNone, 0);
}

void OnIgnoreAll(HWND dialog)
{
    int n = GetWindowTextLengthA(GetDlgItem(dialog, IDC_WORD_BOX));
    if (n > TypedTextSize - 1) {
        ShowMessageBox(dialog, TEXT_ENTER_SHORTER_WORD, TEXT_CAPTION_WARNING, MB_ICONEXCLAMATION);
        return;
    }
    if (n == 0) {
        ShowMessageBox(dialog, TEXT_ENTER_WORD_TO_IGNORE, TEXT_CAPTION_WARNING, MB_ICONEXCLAMATION);
        return;
    }
    GetDlgItemTextA(dialog, IDC_WORD_BOX, SpellRunState.typedText, TypedTextSize);
    ToWordField(SpellRunState.typedText, SpellRunState.typedField);
    int16_t status = 0;
    AddIgnoredWord(SpellRunState.typedField, status);
    if (status > 0) {
        ShowMessageBox(dialog, TEXT_NO_ROOM_TO_ADD, TEXT_CAPTION_WARNING, MB_OK);
        return;
    }
    Finish(dialog, ActionNone, 0);
}

void OnWordAdd(HWND dialog)
{
    if (SpellRunState.wordToAdd[0] == 0) {
        ShowMessageBox(dialog, TEXT_WORD_TOO_LONG, TEXT_CAPTION_WARNING, MB_ICONEXCLAMATION);
        return;
    }
    Finish(dialog, ActionAddWord, 0);
}

// Change and Change All need a picked suggestion.
bool HasPickedSuggestion(HWND dialog)
{
    LRESULT count = SendDlgItemMessageA(dialog, IDC_SUGGESTION_LIST, LB_GETSELCOUNT, 0, 0);
    if (count == LB_ERR) {
        ShowMessageBox(dialog, TEXT_ERROR_COUNTING_ITEMS, TEXT_CAPTION_WARNING, MB_OK);
        return false;
    }
    if (count == 0) {
        ShowMessageBox(dialog, TEXT_NO_ITEMS_SELECTED, TEXT_CAPTION_WARNING, MB_OK);
        return false;
    }
    return true;
}

void OnChange(HWND dialog)
{
    if (HasPickedSuggestion(dialog))
        Finish(dialog, ActionChange, 0);
}

void OnChangeAll(HWND dialog)
{
    if (HasPickedSuggestion(dialog))
        Finish(dialog, ActionChangeAll, 0);
}

void OnCancel(HWND dialog)
{
    std::strcpy(SpellRunState.replacement, NoReplacement);
    Finish(dialog, ActionNone, 1);
}

void OnCommand(HWND dialog, int id, int notification)
{
    switch (id) {
    case IDC_SUGGESTION_LIST:
        PickListEntry(dialog, notification, IDC_SPELL_SELECTED_WORD, SpellRunState.replacement,
                      TypedTextSize);
        break;
    case IDC_IGNORE_ONCE: OnIgnoreOnce(dialog); break;
    case IDC_IGNORE_ALL: OnIgnoreAll(dialog); break;
    case IDC_WORD_ADD: OnWordAdd(dialog); break;
    case IDC_CHANGE: OnChange(dialog); break;
    case IDC_CHANGE_ALL: OnChangeAll(dialog); break;
    case IDC_SPELL_CHECK: OnSpellCheck(dialog); break;
    case IDC_SPELL_CANCEL: OnCancel(dialog); break;
    default: break;   // Enter and Esc (IDOK, IDCANCEL) do nothing
    }
}

} // namespace

INT_PTR CALLBACK SpellDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
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
