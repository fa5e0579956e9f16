#include "typed_word_check.h"

#include <cstdint>

#include "message_boxes.h"
#include "scan_text.h"
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
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    WPARAM textBytes = 0;
    for (int16_t i = 0; i < entries.count; i++)
        textBytes += sizeof(wchar_t) * (lstrlenA(entries.text[i]) + 1);
    SendMessageW(list, LB_INITSTORAGE, static_cast<WPARAM>(entries.count), static_cast<LPARAM>(textBytes));
    for (int16_t i = 0; i < entries.count; i++) {
        wchar_t entry[TypedTextSize];
        WideFromWordText(entries.text[i], entry, TypedTextSize);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

} // namespace

void ReadWordBox(HWND dialog, char* text)
{
    wchar_t box[WordBoxReadSize] = {};
    int length = GetDlgItemTextW(dialog, IDC_WORD_BOX, box, WordBoxReadSize);
    ScanTextFromUtf16(box, length, text);
    text[length] = 0;
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
    SetDlgItemTextW(dialog, IDC_WORD_STATUS, verdict == TypedWordKnown ? WIDE(TEXT_WORD_KNOWN) : WIDE(TEXT_WORD_UNKNOWN));
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
