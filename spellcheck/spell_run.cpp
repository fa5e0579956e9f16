#include "spell_run.h"

#include <cstring>

#include "change_all.h"
#include "document_words.h"
#include "local_words.h"
#include "spell_dialog.h"
#include "spell_run_state.h"
#include "spellcheck_hooks.h"
#include "texts.h"
#include "typed_word_check.h"
#include "word_check.h"
#include "word_dialog_ids.h"

namespace {

// Opens the spell dialog on run.currentWord. False when it could not be opened; the record then says
// to stop, so that nothing is done with what an earlier dialog left behind.
bool AskAboutWord(HWND window, SpellRunRecord& run)
{
    run.action = ActionNone;
    run.stopRun = 1;
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(WORD_DIALOG_ID), window, SpellDialogProc,
                                     reinterpret_cast<LPARAM>(&run));
    if (result != -1)
        return true;
    run.action = ActionNone;
    run.stopRun = 1;
    ShowMessageBox(window, TEXT_SPELL_DIALOG_FAILED, TEXT_CAPTION_ERROR, MB_ICONERROR);
    return false;
}

// Carries out the user's choice for the word at character index wordIndex, then sets where the
// walk goes on.
void ActOnChoice(HWND window, int editId, int32_t wordIndex, SpellRunRecord& run, DocumentWords& words)
{
    if (run.action == ActionChange) {
        ReplaceSelection(window, editId, run.replacement);
        // Behind the first character of the replacement: its first word is not checked again.
        WalkWordsFrom(window, editId, wordIndex + 1, words);
    } else if (run.action == ActionChangeAll) {
        // The word the run stopped at, whatever the user then typed in the Word box.
        int32_t moved = ChangeAllInDocument(window, editId, run.currentWord, run.replacement, wordIndex);
        WalkWordsFrom(window, editId, moved + 1, words);
        run.action = ActionNone;
    } else if (run.action == ActionAddWord) {
        // After No the same word is found, checked and shown again.
        if (!OfferLocalWord(window, run.wordToAdd))
            words.start = words.foundFrom;
        run.action = ActionNone;
    }
}

} // namespace

void SpellCheckRun(HWND window, int editId)
{
    SpellRunRecord& run = SpellRunState;
    // NextWord passes over a word the caret is in.
    DocumentWords words;
    WalkWordsFromSelection(window, editId, words);
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
        int32_t wordIndex = DocumentIndexOf(window, editId, words, position);
        SelectDocumentText(window, editId, wordIndex, length);
        std::memcpy(run.currentWord, word.ch, WordWidth);
        run.currentWord[length] = 0;
        run.currentLength = length;
        std::strcpy(run.replacement, NoReplacement);
        if (!AskAboutWord(window, run))
            return;
        ActOnChoice(window, editId, wordIndex, run, words);
        if (run.stopRun == 1)
            return;
    }
    ShowMessageBox(nullptr, TEXT_SPELL_COMPLETE, allKnown ? TEXT_CAPTION_NO_MISTAKES : TEXT_CAPTION_MISTAKES, MB_OK);
}
