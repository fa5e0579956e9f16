#include "spell_dialog.h"

#include <cstring>

#include "list_pick.h"
#include "spell_run_state.h"
#include "message_boxes.h"
#include "scan_text.h"
#include "texts.h"
#include "typed_word_check.h"
#include "word_check.h"
#include "word_dialog.h"
#include "word_dialog_ids.h"
#include "word_scanner.h"

namespace {

SpellRunRecord& RunOf(HWND dialog)
{
    return *static_cast<SpellRunRecord*>(WordDialogRecord(dialog));
}

void Finish(HWND dialog, int32_t action, int32_t stopRun)
{
    RunOf(dialog).action = action;
    RunOf(dialog).stopRun = stopRun;
    CloseWordDialog(dialog);
}

void OnSpellCheck(HWND dialog)
{
    SpellRunRecord& run = RunOf(dialog);
    CheckTypedWord(dialog, run.typedText, run.typedField, run.suggestField);
}

void OnOpening(HWND dialog)
{
    SpellRunRecord& run = RunOf(dialog);
    run.action = ActionNone;
    run.stopRun = 1;
    std::strcpy(run.replacement, NoReplacement);
    // A document word too long for the check must not leave the previous dialog's word to Word Add:
    // until a check succeeds there is no checked word.
    run.typedText[0] = 0;
    ToWordField(run.typedText, run.typedField);

    wchar_t word[WordWidth + 1];
    WideFromWordText(run.currentWord, word, WordWidth + 1);
    SetDlgItemTextW(dialog, IDC_WORD_BOX, word);
    PressWordDialogButton(dialog, IDC_SPELL_CHECK);
    std::strcpy(run.wordToAdd, run.typedText);
}

void OnIgnoreOnce(HWND dialog)
{
    std::strcpy(RunOf(dialog).replacement, NoReplacement);
    Finish(dialog, ActionNone, 0);
}

void OnIgnoreAll(HWND dialog)
{
    SpellRunRecord& run = RunOf(dialog);
    char box[WordBoxReadSize];
    ReadWordBox(dialog, box);
    const char* refusal = WordBoxRefusal(box, TEXT_ENTER_WORD_TO_IGNORE);
    if (refusal != nullptr) {
        ShowMessageBox(dialog, refusal, TEXT_CAPTION_WARNING, MB_ICONEXCLAMATION);
        return;
    }
    std::strcpy(run.typedText, box);
    ToWordField(run.typedText, run.typedField);
    int16_t status = 0;
    AddIgnoredWord(run.typedField, status);
    if (!Succeeded(status)) {
        ShowMessageBox(dialog, TEXT_NO_ROOM_TO_ADD, TEXT_CAPTION_WARNING, MB_OK);
        return;
    }
    Finish(dialog, ActionNone, 0);
}

void OnWordAdd(HWND dialog)
{
    if (RunOf(dialog).wordToAdd[0] == 0) {
        ShowMessageBox(dialog, TEXT_WORD_TOO_LONG, TEXT_CAPTION_WARNING, MB_ICONEXCLAMATION);
        return;
    }
    Finish(dialog, ActionAddWord, 0);
}

// Change and Change All need a picked suggestion.
void OnChange(HWND dialog, int32_t action)
{
    if (SelectedEntryCount(dialog) > 0)
        Finish(dialog, action, 0);
}

void OnCancel(HWND dialog)
{
    std::strcpy(RunOf(dialog).replacement, NoReplacement);
    Finish(dialog, ActionNone, 1);
}

void OnCommand(HWND dialog, int id, int notification)
{
    switch (id) {
    case IDC_SUGGESTION_LIST:
        PickListEntry(dialog, notification, IDC_SPELL_SELECTED_WORD, RunOf(dialog).replacement, TypedTextSize);
        break;
    case IDC_IGNORE_ONCE: OnIgnoreOnce(dialog); break;
    case IDC_IGNORE_ALL: OnIgnoreAll(dialog); break;
    case IDC_WORD_ADD: OnWordAdd(dialog); break;
    case IDC_CHANGE: OnChange(dialog, ActionChange); break;
    case IDC_CHANGE_ALL: OnChange(dialog, ActionChangeAll); break;
    case IDC_SPELL_CHECK: OnSpellCheck(dialog); break;
    case IDC_SPELL_CANCEL: OnCancel(dialog); break;
    default: break;   // Enter and Esc (IDOK, IDCANCEL) do nothing
    }
}

} // namespace

INT_PTR CALLBACK SpellDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return HandleWordDialogMessage(dialog, message, wParam, lParam, OnOpening, OnCommand);
}
