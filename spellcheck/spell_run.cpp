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

// How far the run goes: from where it began to the end of the document, and then, when the user
// agrees, from the beginning up to where it began.
struct RunExtent {
    int32_t began;       // character index where the run began; it moves with changes of the text before it
    bool wrapped;        // the run has gone on from the beginning
    // Once wrapped, where it began as line and column: the walk goes by lines, and asking for each
    // line's character index would count the lines from the top every time.
    int32_t beganLine;
    int32_t beganColumn;
};

// Where the run began, as line and column of the text as it stands now.
void LocateRunStart(HWND window, int editId, RunExtent& extent)
{
    DocumentLine line;
    extent.beganColumn = ReadLineAt(window, editId, extent.began, line);
    extent.beganLine = line.number;
}

bool BeforeRunStart(const RunExtent& extent, const DocumentWords& words, int32_t position)
{
    return words.line.number < extent.beganLine ||
           (words.line.number == extent.beganLine && position - 1 < extent.beganColumn);
}

bool AskToGoOnFromTheBeginning(HWND window)
{
    return ShowMessageBox(window, TEXT_SPELL_GO_ON_FROM_START, TEXT_CAPTION_SPELL_DIALOG,
                          MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// The next word the run checks: its position in words.line, the word and its length. False when the
// run has checked all it goes over.
bool NextRunWord(HWND window, int editId, DocumentWords& words, RunExtent& extent, int32_t& position,
                 WordField& word, int32_t& length)
{
    for (;;) {
        if (NextDocumentWord(window, editId, words, position, word, length))
            return !extent.wrapped || BeforeRunStart(extent, words, position);
        if (extent.wrapped || extent.began == 0 || !AskToGoOnFromTheBeginning(window))
            return false;
        extent.wrapped = true;
        LocateRunStart(window, editId, extent);
        WalkWordsFrom(window, editId, 0, words);
    }
}

// Carries out the user's choice for the word at character index wordIndex, then sets where the
// walk goes on.
void ActOnChoice(HWND window, int editId, int32_t wordIndex, SpellRunRecord& run, DocumentWords& words,
                 RunExtent& extent)
{
    if (run.action == ActionChange) {
        ReplaceSelection(window, editId, run.replacement);
        if (wordIndex < extent.began)
            extent.began += static_cast<int32_t>(std::strlen(run.replacement)) - run.currentLength;
        // Behind the first character of the replacement: its first word is not checked again.
        WalkWordsFrom(window, editId, wordIndex + 1, words);
    } else if (run.action == ActionChangeAll) {
        // The word the run stopped at, whatever the user then typed in the Word box.
        int32_t marks[] = {wordIndex, extent.began};
        ChangeAllInDocument(window, editId, run.currentWord, run.replacement, marks, 2);
        extent.began = marks[1];
        WalkWordsFrom(window, editId, marks[0] + 1, words);
        run.action = ActionNone;
    } else if (run.action == ActionAddWord) {
        // After No the same word is found, checked and shown again.
        if (!OfferLocalWord(window, run.wordToAdd))
            words.start = words.foundFrom;
        run.action = ActionNone;
    }
    // A change may have moved the text behind it to other lines.
    if (extent.wrapped)
        LocateRunStart(window, editId, extent);
}

} // namespace

void SpellCheckRun(HWND window, int editId)
{
    SpellRunRecord& run = SpellRunState;
    // NextWord passes over a word the caret is in.
    DocumentWords words;
    RunExtent extent = {WalkWordsFromSelection(window, editId, words), false, 0, 0};
    bool allKnown = true;
    int32_t position = 0, length = 0;
    WordField word;
    while (NextRunWord(window, editId, words, extent, position, word, length)) {
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
        ActOnChoice(window, editId, wordIndex, run, words, extent);
        if (run.stopRun == 1)
            return;
    }
    // The verdict covers what was checked: from where the run began, and before it when the user agreed.
    ShowMessageBox(nullptr, TEXT_SPELL_COMPLETE, allKnown ? TEXT_CAPTION_NO_MISTAKES : TEXT_CAPTION_MISTAKES, MB_OK);
}
