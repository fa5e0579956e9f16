#include "spell_run.h"

#include <cstring>

#include "change_all.h"
#include "document_form.h"
#include "document_text.h"
#include "document_words.h"
#include "local_words.h"
#include "message_boxes.h"
#include "scan_text.h"
#include "spell_dialog.h"
#include "spell_run_state.h"
#include "texts.h"
#include "typed_word_check.h"
#include "word_check.h"
#include "word_dialog_ids.h"

namespace {

SpellRunProgress runProgress = nullptr;

// Opens the spell dialog on run.currentWord. False when it could not be opened; the record then says
// to stop, so that nothing is done with what an earlier dialog left behind.
bool AskAboutWord(HWND window, SpellRunRecord& run)
{
    run.action = ActionNone;
    run.stopRun = 1;
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(WORD_DIALOG_ID), window, SpellDialogProc,
                                     reinterpret_cast<LPARAM>(&run));
    if (result != -1)
        return true;
    run.action = ActionNone;
    run.stopRun = 1;
    ShowMessageBox(window, TEXT_SPELL_DIALOG_FAILED, TEXT_CAPTION_ERROR, MB_ICONERROR);
    return false;
}

// How far the run goes: from where it began to the end of the document, and then, when the user
// agrees, from the beginning up to where it began.
struct RunExtent {
    int32_t began;   // character index where the run began; it moves with changes of the text before it
    bool wrapped;    // the run has gone on from the beginning
};

bool AskToGoOnFromTheBeginning(HWND window)
{
    return ShowMessageBox(window, TEXT_SPELL_GO_ON_FROM_START, TEXT_CAPTION_SPELL_DIALOG,
                          MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// The next word the run checks: where it begins, the word and its length. False when the run has
// checked all it goes over.
bool NextRunWord(HWND window, DocumentWords& words, RunExtent& extent, int32_t& index, WordField& word,
                 int32_t& length)
{
    for (;;) {
        if (NextDocumentWord(words, index, word, length))
            return !extent.wrapped || index < extent.began;
        if (extent.wrapped || extent.began == 0 || !AskToGoOnFromTheBeginning(window))
            return false;
        extent.wrapped = true;
        words.start = 0;
    }
}

// Tells the progress function how far the run has got; false when it says to stop.
bool GoOn(const DocumentWords& words, const RunExtent& extent, int32_t index)
{
    if (runProgress == nullptr)
        return true;
    int32_t checked = extent.wrapped ? words.length - extent.began + index : index - extent.began;
    return runProgress(checked, words.length);
}

// Carries out the user's choice for the word at character index wordIndex, then sets where the
// walk goes on.
void ActOnChoice(HWND window, HWND edit, int32_t wordIndex, SpellRunRecord& run, DocumentWords& words,
                 RunExtent& extent)
{
    if (run.action == ActionChange || run.action == ActionChangeAll) {
        // The word the run stopped at, as the document holds it.
        wchar_t documentWord[WordWidth + 1];
        std::memcpy(documentWord, words.text.Get() + wordIndex, sizeof(wchar_t) * static_cast<size_t>(run.currentLength));
        documentWord[run.currentLength] = L'\0';
        wchar_t replacement[TypedTextSize];
        DocumentFormOf(run.replacement, documentWord, run.currentLength, replacement, TypedTextSize);
        if (run.action == ActionChange) {
            ReplaceDocumentSpan(edit, wordIndex, wordIndex + run.currentLength, replacement, true);
            if (wordIndex < extent.began)
                extent.began += static_cast<int32_t>(lstrlenW(replacement)) - run.currentLength;
            // Behind the first character of the replacement: its first word is not checked again.
            WalkWordsFrom(edit, wordIndex + 1, words);
        } else {
            // The word the run stopped at, whatever the user then typed in the Word box.
            int32_t marks[] = {wordIndex, extent.began};
            ChangeAllInDocument(edit, documentWord, run.currentWord, replacement, marks, 2);
            extent.began = marks[1];
            WalkWordsFrom(edit, marks[0] + 1, words);
            run.action = ActionNone;
        }
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
    HWND edit = GetDlgItem(window, editId);
    int selectionStart = 0, selectionEnd = 0;
    GetDocumentSelection(edit, selectionStart, selectionEnd);
    // NextWord passes over a word the caret is in.
    DocumentWords words;
    if (!WalkWordsFrom(edit, selectionStart, words))
        return;
    // From the very end there is nothing before the question: the run checks the whole document.
    RunExtent extent = {selectionStart < words.length ? selectionStart : 0, false};
    words.start = extent.began;
    bool allKnown = true;
    int32_t index = 0, length = 0;
    WordField word;
    int32_t sinceProgress = 0;
    while (NextRunWord(window, words, extent, index, word, length)) {
        if (++sinceProgress == SpellRunProgressWords) {
            sinceProgress = 0;
            if (!GoOn(words, extent, index))
                return;
        }
        int16_t status = 0;
        CheckWord(word, status);
        if (Succeeded(status))
            continue;
        // Without word lists every word would be unknown: say so and leave the document alone.
        if (ReportWordListFailure(window))
            return;

        allKnown = false;
        SelectDocumentSpan(edit, index, index + length);
        std::memcpy(run.currentWord, word.ch, WordWidth);
        run.currentWord[length] = 0;
        run.currentLength = length;
        std::strcpy(run.replacement, NoReplacement);
        if (!AskAboutWord(window, run))
            return;
        ActOnChoice(window, edit, index, run, words, extent);
        if (run.stopRun == 1)
            return;
    }
    // The verdict covers what was checked: from where the run began, and before it when the user agreed.
    ShowMessageBox(nullptr, TEXT_SPELL_COMPLETE, allKnown ? TEXT_CAPTION_NO_MISTAKES : TEXT_CAPTION_MISTAKES, MB_OK);
}

void SetSpellRunProgress(SpellRunProgress progress)
{
    runProgress = progress;
}
