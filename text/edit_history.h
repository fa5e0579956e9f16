// The history of a document's text, for Undo and Redo through all of it: every change is a step (where
// it begins, the text it removed, the text it inserted). The history keeps its own copy of the text as
// it last saw it and finds each change by comparing the text after an edit with that copy, so that it
// needs to know nothing of how the edit was made. Portable, no windowing system.
#pragma once
#include <cstddef>

// Memory the steps of one document may take; the oldest steps are dropped first to stay within it.
const size_t HistoryMemoryLimit = 64u * 1024u * 1024u;
// A pause this long (in milliseconds) between two keys ends a run of typing or deleting.
const unsigned TypingPause = 1000;

// Where a change came from, which decides whether it joins the step before it.
enum ChangeSource {
    ChangeFromKeys,      // typing, Backspace, Delete: a run of them is one step
    ChangeFromCommand,   // Cut, Paste, Delete, Replace, Replace All, Change, ...: a step of its own
};

enum StepKind {
    StepTyping,     // a run of typed characters (the first of which may have replaced a selection)
    StepDeleting,   // a run of Backspace or Delete presses
    StepWhole,      // a command's change, never joined by another
};

struct HistoryStep {
    int position;         // where the change begins
    int removedLength;
    int insertedLength;
    int capacity;         // characters the block of texts holds
    wchar_t* texts;       // the removed text, then the inserted text, without terminators
    StepKind kind;
    unsigned lastTime;    // when the step last grew, in milliseconds of the caller's clock
};

// Zero-filled is a history that has not started. Each document has its own.
struct EditHistory {
    wchar_t* text;        // the text as the history last saw it; null until started, or when no memory
    int length;
    int textCapacity;
    HistoryStep* steps;   // the oldest first
    int stepCount;
    int stepCapacity;
    int current;          // steps[0 .. current) are done, steps[current .. stepCount) undone
    int savedAt;          // the value of current at which the text is the saved one; -1 when none is
    bool runOpen;         // the last step done may still grow with the next key
    size_t memoryUsed;    // by the steps and their texts
    size_t memoryLimit;   // HistoryMemoryLimit unless set otherwise before the start
};

// One change of the document's text, for Undo or Redo to make: from position, removedLength
// characters are replaced by the inserted text.
struct TextChange {
    int position;
    int removedLength;
    const wchar_t* inserted;   // not terminated; valid until the history's next call
    int insertedLength;
};

// Starts the history afresh (an opened file, a new text): no steps, the copy of the text taken.
// savedText: the text is the one its file holds. False when no memory could be had: the history then
// stays unstarted.
bool StartHistory(EditHistory& history, const wchar_t* text, int length, bool savedText);
bool HistoryStarted(const EditHistory& history);
// Releases everything; the history is then unstarted (the memory limit stays).
void FreeHistory(EditHistory& history);

// The document's text may have changed: finds the change and keeps it as a step. The change begins
// at or after changeFrom (where the selection began before or after the edit, whichever is first;
// it tells typing "a" after "a" from typing it before). now: the caller's clock in milliseconds.
// True when the text changed. When no memory could be had for the step, the history forgets its steps
// and goes on from the new text; without memory for the new text it is unstarted afterwards.
bool RecordChange(EditHistory& history, const wchar_t* text, int length, int changeFrom, ChangeSource source,
                  unsigned now);
// The caret went elsewhere: the next key begins a step of its own.
void EndRun(EditHistory& history);

bool CanUndo(const EditHistory& history);
bool CanRedo(const EditHistory& history);
// The change that takes back the last step done (or makes again the first undone); the history's copy
// of the text already has it. False when there is none, or no memory to make it.
bool TakeUndo(EditHistory& history, TextChange& change);
bool TakeRedo(EditHistory& history, TextChange& change);

// The text as it stands now is the saved one (a save, or a load).
void MarkSaved(EditHistory& history);
// No text of the history is the saved one (a recovered document, say).
void ForgetSaved(EditHistory& history);
bool IsAtSavedText(const EditHistory& history);
