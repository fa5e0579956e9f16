#include "typed_word_check.h"

#include <cstdint>

#include "spell_tables.h"
#include "suggestions.h"
#include "texts.h"
#include "ui_seam.h"
#include "word_check.h"
#include "word_dialog_ids.h"
#include "word_list_failure.h"
#include "word_scanner.h"

namespace {

void AddListEntry(HWND dialog, const char* text)
{
    SendDlgItemMessageA(dialog, IDC_SUGGESTION_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

void ListSuggestions(HWND dialog, const WordField& typedField, WordField& suggestField, char* outputText)
{
    PrepareSuggestionWord(typedField, suggestField);
    SuggestWords(suggestField);
    for (int16_t i = 1; i <= SuggestionSlots; i++) {
        GetSuggestion(i, outputText);
        if (outputText[0] != 0)
            AddListEntry(dialog, outputText);
    }
}

} // namespace

int CheckTypedWord(HWND dialog, char* typedText, WordField& typedField, WordField& suggestField,
                   char* outputText)
{
    int n = GetWindowTextLengthA(GetDlgItem(dialog, IDC_WORD_BOX));
    if (n > TypedTextSize - 1) {
        ShowMessageBox(dialog, TEXT_ENTER_SHORTER_WORD, TEXT_CAPTION_WARNING, MB_ICONEXCLAMATION);
        return 0;
    }
    if (n == 0) {
        ShowMessageBox(dialog, TEXT_ENTER_WORD_TO_CHECK, TEXT_CAPTION_WARNING, MB_ICONEXCLAMATION);
        return 0;
    }
    GetDlgItemTextA(dialog, IDC_WORD_BOX, typedText, TypedTextSize);
    CleanTypedWord(typedText);
    ToWordField(typedText, typedField);

    int16_t status = 0;
    CheckWord(typedField, status);
    if (ReportWordListFailure(dialog))
        return 0;
    SendDlgItemMessageA(dialog, IDC_SUGGESTION_LIST, LB_RESETCONTENT, 0, 0);
    if (status <= 0) {
        SetDlgItemTextA(dialog, IDC_WORD_STATUS, TEXT_WORD_KNOWN);
        AddListEntry(dialog, typedText);
        return 1;
    }
    SetDlgItemTextA(dialog, IDC_WORD_STATUS, TEXT_WORD_UNKNOWN);
    LookupMisspelling(typedField, outputText, status);
    if (status <= 0)
        AddListEntry(dialog, outputText);
    else
        ListSuggestions(dialog, typedField, suggestField, outputText);
    return 1;
}

bool ReportWordListFailure(HWND owner)
{
    char message[ListFailureMessageSize];
    if (!WordListFailure(message))
        return false;
    ShowMessageBox(owner, message, TEXT_CAPTION_ERROR, MB_ICONERROR);
    return true;
}
