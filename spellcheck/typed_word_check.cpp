#include "typed_word_check.h"

#include <cstdint>

#include "message_boxes.h"
#include "texts.h"
#include "word_dialog_ids.h"

namespace {

void ShowListFailure(HWND owner, const char* message)
{
    ShowMessageBox(owner, message, TEXT_CAPTION_ERROR, MB_ICONERROR);
}

// The list is drawn once, when it is full: drawn after each entry, a full list of suggestions took seconds.
void ShowEntries(HWND dialog, const TypedWordEntries& entries)
{
    HWND list = GetDlgItem(dialog, IDC_SUGGESTION_LIST);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    WPARAM textBytes = 0;
    for (int16_t i = 0; i < entries.count; i++)
        textBytes += lstrlenA(entries.text[i]) + 1;
    SendMessageA(list, LB_INITSTORAGE, static_cast<WPARAM>(entries.count), static_cast<LPARAM>(textBytes));
    for (int16_t i = 0; i < entries.count; i++)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entries.text[i]));
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
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
