#include "document_history.h"

#include "caret_position.h"
#include "document_edit.h"
#include "documents.h"
#include "document_text.h"
#include "edit_history.h"
#include "handle_holders.h"
#include "recovery.h"

namespace {

enum MessageEffect {
    EffectNone,
    EffectNewText,      // the whole text is set anew: the history starts again from it
    EffectKeys,         // typing, Backspace, Delete
    EffectCommand,      // Cut, Paste, Delete, a program's replacement
    EffectCaretOnly,    // may move the caret but not change the text
};

MessageEffect EffectOf(UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_SETTEXT:
    case EM_SETHANDLE:
        return EffectNewText;
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_SYSCHAR:
    case WM_UNICHAR:
    case WM_IME_CHAR:
    case WM_IME_COMPOSITION:
    case WM_IME_ENDCOMPOSITION:
        return EffectKeys;
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case EM_REPLACESEL:
    case WM_CONTEXTMENU:   // the system's own menu of the edit control edits without messages
        return EffectCommand;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case EM_SETSEL:
        return EffectCaretOnly;
    case WM_MOUSEMOVE:
        return (wParam & MK_LBUTTON) != 0 ? EffectCaretOnly : EffectNone;
    }
    return EffectNone;
}

// The history of the document that the edit control belongs to; null for another edit control.
EditHistory* HistoryOf(HWND edit)
{
    DocumentRecord* record = RecordOfDocument(GetParent(edit));
    return record != nullptr ? &record->history : nullptr;
}

bool IsModified(HWND edit)
{
    return CallSystemEditProc(edit, EM_GETMODIFY, 0, 0) != 0;
}

// From the edit control's text as it stands; false when no memory could be had.
bool StartFromEditText(HWND edit, EditHistory& history, bool savedText)
{
    DocumentTextView view(edit, CallSystemEditProc);
    return view.IsValid() && StartHistory(history, view.Text(), view.Length(), savedText);
}

// The changed mark follows the history: Undo back to the saved text clears it, Redo past it sets it.
// The recovery copy follows the mark.
void AfterTextChanged(HWND edit, const EditHistory& history)
{
    if (HistoryStarted(history))
        CallSystemEditProc(edit, EM_SETMODIFY, IsAtSavedText(history) ? FALSE : TRUE, 0);
    RecoveryCopyMayBeStale(GetParent(edit));
}

void SelectionOf(HWND edit, DWORD& start, DWORD& end)
{
    CallSystemEditProc(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
}

// Makes a change that the history handed out on the edit control, past the history (which has it
// already), and selects the text it put in.
bool PutChange(HWND edit, const TextChange& change)
{
    HeapText<wchar_t> inserted(static_cast<SIZE_T>(change.insertedLength) + 1);
    if (!inserted.IsValid())
        return false;
    CopyMemory(inserted.Get(), change.inserted, static_cast<SIZE_T>(change.insertedLength) * sizeof(wchar_t));
    inserted.Get()[change.insertedLength] = L'\0';
    CallSystemEditProc(edit, EM_SETSEL, static_cast<WPARAM>(change.position),
                       static_cast<LPARAM>(change.position + change.removedLength));
    CallSystemEditProc(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(inserted.Get()));
    CallSystemEditProc(edit, EM_SETSEL, static_cast<WPARAM>(change.position),
                       static_cast<LPARAM>(change.position + change.insertedLength));
    CallSystemEditProc(edit, EM_SCROLLCARET, 0, 0);
    return true;
}

typedef bool (*TakeStepFunction)(EditHistory& history, TextChange& change);

bool TakeAndPut(HWND edit, TakeStepFunction take)
{
    EditHistory* history = HistoryOf(edit);
    if (history == nullptr)
        return false;
    if (!HistoryStarted(*history))
        StartFromEditText(edit, *history, !IsModified(edit));
    TextChange change;
    if (!take(*history, change))
        return false;
    if (!PutChange(edit, change)) {
        // The history's copy has the change the control lacks: start again from the control's text.
        FreeHistory(*history);
        return false;
    }
    AfterTextChanged(edit, *history);
    CaretMayHaveMoved();
    return true;
}

} // namespace

bool AnswerHistoryMessage(HWND edit, UINT message, WPARAM, LRESULT& result)
{
    switch (message) {
    case WM_UNDO:
    case EM_UNDO:
        result = UndoDocumentEdit(edit) ? TRUE : FALSE;
        return true;
    case EM_CANUNDO: {
        const EditHistory* history = HistoryOf(edit);
        result = history != nullptr && CanUndo(*history) ? TRUE : FALSE;
        return true;
    }
    case EM_EMPTYUNDOBUFFER: {
        EditHistory* history = HistoryOf(edit);
        if (history != nullptr)
            StartFromEditText(edit, *history, !IsModified(edit));
        result = 0;
        return true;
    }
    }
    return false;
}

EditMessageWatch WatchBeforeMessage(HWND edit, UINT message, WPARAM wParam)
{
    EditMessageWatch watch = {false, 0, 0};
    MessageEffect effect = EffectOf(message, wParam);
    if (effect == EffectNone || effect == EffectNewText)
        return watch;
    EditHistory* history = HistoryOf(edit);
    if (history == nullptr)
        return watch;
    // A new document's history starts with its first edit (or again after memory ran out).
    if (!HistoryStarted(*history))
        StartFromEditText(edit, *history, !IsModified(edit));
    watch.watched = true;
    SelectionOf(edit, watch.selectionStart, watch.selectionEnd);
    return watch;
}

void RecordAfterMessage(HWND edit, UINT message, WPARAM wParam, const EditMessageWatch& watch)
{
    EditHistory* history = HistoryOf(edit);
    if (history == nullptr)
        return;
    if (message == EM_SETMODIFY) {
        // A save clears the mark: the text as it stands is the saved one.
        if (wParam == FALSE)
            MarkSaved(*history);
        else
            ForgetSaved(*history);
        RecoveryCopyMayBeStale(GetParent(edit));
        return;
    }
    MessageEffect effect = EffectOf(message, wParam);
    if (effect == EffectNewText) {
        StartFromEditText(edit, *history, !IsModified(edit));
        RecoveryCopyMayBeStale(GetParent(edit));
        return;
    }
    if (!watch.watched)
        return;
    DWORD start = 0, end = 0;
    SelectionOf(edit, start, end);
    bool changed = false;
    if (effect != EffectCaretOnly) {
        DocumentTextView view(edit, CallSystemEditProc);
        if (!view.IsValid())
            return;
        DWORD changeFrom = start < watch.selectionStart ? start : watch.selectionStart;
        ChangeSource source = effect == EffectKeys ? ChangeFromKeys : ChangeFromCommand;
        changed = RecordChange(*history, view.Text(), view.Length(), static_cast<int>(changeFrom), source,
                               GetTickCount());
        // Without a history (no memory for its copy of the text) any such message may have changed it.
        if (!HistoryStarted(*history))
            changed = true;
    }
    if (changed)
        AfterTextChanged(edit, *history);
    else if (start != watch.selectionStart || end != watch.selectionEnd)
        EndRun(*history);
}

bool UndoDocumentEdit(HWND edit)
{
    return TakeAndPut(edit, TakeUndo);
}

bool RedoDocumentEdit(HWND edit)
{
    return TakeAndPut(edit, TakeRedo);
}
