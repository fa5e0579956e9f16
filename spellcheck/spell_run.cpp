#include "spell_run.h"

#include <cstring>

#include "change_all.h"
#include "document_words.h"
#include "local_words.h"
#include "spell_dialog.h"
#include "spell_run_state.h"
#include "texts.h"
#include "typed_word_check.h"
#include "ui_seam.h"
#include "word_check.h"
#include "word_dialog_ids.h"

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

// Carries out the user's choice for the word at character index wordIndex, then sets where the
// walk goes on.
void ActOnChoice(HWND window, int editId, int32_t wordIndex, DocumentWords& words)
{
    if (SpellRunState.action == ActionChange) {
        ReplaceSelection(window, editId, SpellRunState.replacement);
        // Behind the first character of the replacement: its first word is not checked again.
        WalkWordsFrom(window, editId, wordIndex + 1, words);
    } else if (SpellRunState.action == ActionChangeAll) {
        int32_t moved = ChangeAllInDocument(window, editId, SpellRunState.typedText, SpellRunState.replacement,
                                            wordIndex);
        WalkWordsFrom(window, editId, moved + 1, words);
        SpellRunState.action = ActionNone;
    } else if (SpellRunState.action == ActionAddWord) {
        // After No the same word is found, checked and shown again.
        if (!OfferLocalWord(window))
            words.start = words.foundFrom;
        SpellRunState.action = ActionNone;
    }
}

} // namespace

void SpellCheckRun(HWND window, int editId)
{
    DWORD selectionStart = 0, selectionEnd = 0;
    SendDlgItemMessageA(window, editId, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart),
                        reinterpret_cast<LPARAM>(&selectionEnd));
    // NextWord passes over a word the caret is in.
    DocumentWords words;
    WalkWordsFrom(window, editId, static_cast<int32_t>(selectionStart), words);
    bool allKnown = true;
    int32_t position = 0, length = 0;
    WordField word;
    while (NextDocumentWord(window, editId, words, position, word, length)) {
        int16_t status = 0;
        CheckWord(word, status);
        if (status <= 0)
            continue;
        // Without word lists every word would be unknown: say so and leave the document alone.
        if (ReportWordListFailure(window))
            return;

        allKnown = false;
        int32_t wordIndex = DocumentIndexOf(words, position);
        SelectDocumentText(window, editId, wordIndex, length);
        std::memcpy(SpellRunState.currentWord, word.ch, WordWidth);
        SpellRunState.currentWord[length] = 0;
        SpellRunState.currentLength = length;
        std::strcpy(SpellRunState.replacement, "  ");
        if (!AskAboutWord(window))
            return;
        ActOnChoice(window, editId, wordIndex, words);
        if (SpellRunState.stopRun == 1)
            return;
    }
    ShowMessageBox(nullptr, TEXT_SPELL_COMPLETE, allKnown ? TEXT_CAPTION_NO_MISTAKES : TEXT_CAPTION_MISTAKES, MB_OK);
}
