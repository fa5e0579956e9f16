#include "typed_word_check.h"

#include <cstdint>

#include "spellcheck_hooks.h"
#include "texts.h"
#include "word_dialog_ids.h"

namespace {

void ShowListFailure(HWND owner, const char* message)
{
    ShowMessageBox(owner, message, TEXT_CAPTION_ERROR, MB_ICONERROR);
}

void ShowEntries(HWND dialog, const TypedWordEntries& entries)
{
    SendDlgItemMessageA(dialog, IDC_SUGGESTION_LIST, LB_RESETCONTENT, 0, 0);
    for (int16_t i = 0; i < entries.count; i++)
        SendDlgItemMessageA(dialog, IDC_SUGGESTION_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entries.text[i]));
}

} // namespace

void ReadWordBox(HWND dialog, char* text)
{
    text[0] = 0;
    GetDlgItemTextA(dialog, IDC_WORD_BOX, text, WordBoxReadSize);
}

int CheckTypedWord(HWND dialog, char* typedText, WordField& typedField, WordField& suggestField)
{
    char box[WordBoxReadSize];
    ReadWordBox(dialog, box);
    TypedWordEntries entries;
    char refusal[RefusalSize];
    TypedTextVerdict verdict = CheckTypedText(box, typedText, typedField, suggestField, entries, refusal);
    if (verdict == TypedTextRefused) {
        ShowMessageBox(dialog, refusal, TEXT_CAPTION_WARNING, MB_ICONEXCLAMATION);
        return 0;
    }
    if (verdict == WordListsMissing) {
        ShowListFailure(dialog, refusal);
        return 0;
    }
    SetDlgItemTextA(dialog, IDC_WORD_STATUS, verdict == TypedWordKnown ? TEXT_WORD_KNOWN : TEXT_WORD_UNKNOWN);
    ShowEntries(dialog, entries);
    return 1;
}

bool ReportWordListFailure(HWND owner)
{
    char message[ListFailureMessageSize];
    if (!WordListFailure(message))
        return false;
    ShowListFailure(owner, message);
    return true;
}
