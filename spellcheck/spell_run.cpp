#include "spell_run.h"

#include <cstring>

#include "caret_column.h"
#include "change_all.h"
#include "document_lines.h"
#include "local_words.h"
#include "spell_dialog.h"
#include "spell_run_state.h"
#include "texts.h"
#include "ui_seam.h"
#include "word_check.h"
#include "word_dialog_ids.h"
#include "word_scanner.h"

namespace {

// Opens the spell dialog on SpellRunState.currentWord. False when it could not be opened; the
// record then says to stop, so that nothing is done with what an earlier dialog left behind.
bool AskAboutWord(HWND window)
{
    SpellRunState.action = ActionNone;
    SpellRunState.stopRun = 1;
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(WORD_DIALOG_ID), window, SpellDialogProc, 0);
    if (result != -1)
        return true;
    SpellRunState.action = ActionNone;
    SpellRunState.stopRun = 1;
    ShowMessageBox(window, TEXT_SPELL_DIALOG_FAILED, TEXT_CAPTION_ERROR, MB_ICONERROR);
    return false;
}

} // namespace

void SpellCheckRun(HWND window, int editId)
{
    char line[LineCapacity + 1];
    int32_t caretColumn = CaretColumn(window, editId);
    int32_t lineCount = static_cast<int32_t>(SendDlgItemMessageA(window, editId, EM_GETLINECOUNT, 0, 0));
    bool allKnown = true;

    DWORD selectionStart = 0, selectionEnd = 0;
    SendDlgItemMessageA(window, editId, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart),
                        reinterpret_cast<LPARAM>(&selectionEnd));
    int32_t firstLine = static_cast<int32_t>(
        SendDlgItemMessageA(window, editId, EM_LINEFROMCHAR, selectionStart, 0));

    for (int32_t lineNumber = firstLine; lineNumber < lineCount; lineNumber++) {
        int32_t n = ReadDocumentLine(window, editId, lineNumber, line);
        // Only the first line starts at the caret; NextWord passes over a word the caret is in.
        int32_t start = 0;
        if (caretColumn > 0) {
            start = caretColumn;
            caretColumn = 0;
        }
        for (;;) {
            int32_t position = 0;
            WordField word;
            NextWord(line, n, start, position, word, SpellRunState.currentLength);
            int32_t length = SpellRunState.currentLength;
            if (length == 0)
                break;
            int32_t searchStart = start;
            start = position + length;

            int16_t status = 0;
            CheckWord(word, status);
            if (status <= 0)
                continue;

            allKnown = false;
            SelectLineText(window, editId, lineNumber, position, length);
            std::memcpy(SpellRunState.currentWord, word.ch, WordWidth);
            SpellRunState.currentWord[length] = 0;
            std::strcpy(SpellRunState.replacement, "  ");
            if (!AskAboutWord(window))
                return;

            if (SpellRunState.action == ActionChange) {
                ReplaceSelection(window, editId, SpellRunState.replacement);
                n = ReadDocumentLine(window, editId, lineNumber, line);
                start = position;
            } else if (SpellRunState.action == ActionChangeAll) {
                ChangeAllInDocument(window, editId);
                n = ReadDocumentLine(window, editId, lineNumber, line);
                start = position;
                SpellRunState.action = ActionNone;
            } else if (SpellRunState.action == ActionAddWord) {
                // After No the same word is found, checked and shown again.
                if (!OfferLocalWord(window))
                    start = searchStart;
                SpellRunState.action = ActionNone;
            }
            if (SpellRunState.stopRun == 1)
                return;
        }
    }
    ShowMessageBox(nullptr, TEXT_SPELL_COMPLETE, allKnown ? TEXT_CAPTION_NO_MISTAKES : TEXT_CAPTION_MISTAKES, MB_OK);
}
