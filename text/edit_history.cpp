#include "edit_history.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

// Characters compared at a time while looking for the first difference.
const int CompareBlock = 64;

int CommonPrefix(const wchar_t* a, const wchar_t* b, int limit)
{
    int same = 0;
    while (same + CompareBlock <= limit &&
           std::memcmp(a + same, b + same, CompareBlock * sizeof(wchar_t)) == 0)
        same += CompareBlock;
    while (same < limit && a[same] == b[same])
        same++;
    return same;
}

// Of two texts that end at aEnd and bEnd.
int CommonSuffix(const wchar_t* aEnd, const wchar_t* bEnd, int limit)
{
    int same = 0;
    while (same + CompareBlock <= limit &&
           std::memcmp(aEnd - same - CompareBlock, bEnd - same - CompareBlock, CompareBlock * sizeof(wchar_t)) == 0)
        same += CompareBlock;
    while (same < limit && aEnd[-same - 1] == bEnd[-same - 1])
        same++;
    return same;
}

size_t StepMemory(const HistoryStep& step)
{
    return sizeof(HistoryStep) + static_cast<size_t>(step.capacity) * sizeof(wchar_t);
}

void FreeStep(EditHistory& history, HistoryStep& step)
{
    history.memoryUsed -= StepMemory(step);
    std::free(step.texts);
    step.texts = nullptr;
}

// Room for `needed` characters and a terminator in the history's copy of the text, with some to spare
// so that typing does not reallocate at every key.
bool ReserveText(EditHistory& history, int needed)
{
    if (needed < history.textCapacity)
        return true;
    long long wanted = static_cast<long long>(needed) + needed / 2 + 256;
    if (wanted > INT_MAX)
        wanted = static_cast<long long>(needed) + 1;
    wchar_t* grown = static_cast<wchar_t*>(std::realloc(history.text, static_cast<size_t>(wanted) * sizeof(wchar_t)));
    if (grown == nullptr)
        return false;
    history.text = grown;
    history.textCapacity = static_cast<int>(wanted);
    return true;
}

// The history's copy: from position, removedLength characters become the inserted ones. Room was reserved.
void ApplyToText(EditHistory& history, int position, int removedLength, const wchar_t* inserted, int insertedLength)
{
    wchar_t* at = history.text + position;
    int tail = history.length - position - removedLength;
    std::memmove(at + insertedLength, at + removedLength, static_cast<size_t>(tail) * sizeof(wchar_t));
    std::memcpy(at, inserted, static_cast<size_t>(insertedLength) * sizeof(wchar_t));
    history.length += insertedLength - removedLength;
    history.text[history.length] = L'\0';
}

bool GrowStep(EditHistory& history, HistoryStep& step, int needed)
{
    if (needed <= step.capacity)
        return true;
    long long wanted = static_cast<long long>(step.capacity) * 2;
    if (wanted < needed)
        wanted = needed;
    if (wanted > INT_MAX)
        wanted = needed;
    wchar_t* grown = static_cast<wchar_t*>(std::realloc(step.texts, static_cast<size_t>(wanted) * sizeof(wchar_t)));
    if (grown == nullptr)
        return false;
    history.memoryUsed += static_cast<size_t>(wanted - step.capacity) * sizeof(wchar_t);
    step.texts = grown;
    step.capacity = static_cast<int>(wanted);
    return true;
}

void DropUndoneSteps(EditHistory& history)
{
    for (int i = history.current; i < history.stepCount; i++)
        FreeStep(history, history.steps[i]);
    history.stepCount = history.current;
    // The saved text was among the undone steps: no step leads back to it any more.
    if (history.savedAt > history.current)
        history.savedAt = -1;
}

void DropOldestStep(EditHistory& history)
{
    FreeStep(history, history.steps[0]);
    std::memmove(history.steps, history.steps + 1, static_cast<size_t>(history.stepCount - 1) * sizeof(HistoryStep));
    history.stepCount--;
    if (history.current > 0)
        history.current--;
    history.savedAt = history.savedAt > 0 ? history.savedAt - 1 : -1;
}

// Before a change that no step could be kept for: the text before it can no longer be reached.
void DropAllSteps(EditHistory& history)
{
    for (int i = 0; i < history.stepCount; i++)
        FreeStep(history, history.steps[i]);
    history.savedAt = -1;
    history.stepCount = 0;
    history.current = 0;
    history.runOpen = false;
}

void KeepWithinMemoryLimit(EditHistory& history)
{
    while (history.stepCount > 0 && history.memoryUsed > history.memoryLimit)
        DropOldestStep(history);
}

// A new step after the done ones; its texts are copied from the two texts at position.
bool AddStep(EditHistory& history, StepKind kind, int position, const wchar_t* removed, int removedLength,
             const wchar_t* inserted, int insertedLength, unsigned now)
{
    DropUndoneSteps(history);
    if (history.stepCount == history.stepCapacity) {
        int wanted = history.stepCapacity == 0 ? 64 : history.stepCapacity * 2;
        HistoryStep* grown =
            static_cast<HistoryStep*>(std::realloc(history.steps, static_cast<size_t>(wanted) * sizeof(HistoryStep)));
        if (grown == nullptr)
            return false;
        history.steps = grown;
        history.stepCapacity = wanted;
    }
    long long capacity = static_cast<long long>(removedLength) + insertedLength;
    if (capacity > INT_MAX)
        return false;
    HistoryStep step = {position, removedLength, insertedLength, static_cast<int>(capacity), nullptr, kind, now};
    if (capacity > 0) {
        step.texts = static_cast<wchar_t*>(std::malloc(static_cast<size_t>(capacity) * sizeof(wchar_t)));
        if (step.texts == nullptr)
            return false;
        std::memcpy(step.texts, removed, static_cast<size_t>(removedLength) * sizeof(wchar_t));
        std::memcpy(step.texts + removedLength, inserted, static_cast<size_t>(insertedLength) * sizeof(wchar_t));
    }
    history.steps[history.stepCount++] = step;
    history.memoryUsed += StepMemory(step);
    history.current = history.stepCount;
    return true;
}

// The last step done, when the next key may still join it.
HistoryStep* OpenRun(EditHistory& history, unsigned now)
{
    if (!history.runOpen || history.current == 0 || history.current != history.stepCount)
        return nullptr;
    HistoryStep& last = history.steps[history.current - 1];
    return now - last.lastTime < TypingPause ? &last : nullptr;
}

// Typing goes on at the end of the run's text; Backspace removes what stands before the run's
// position, Delete what stands at it. True when the change joined the run.
bool JoinRun(EditHistory& history, HistoryStep& run, int position, const wchar_t* removed, int removedLength,
             const wchar_t* inserted, int insertedLength, unsigned now)
{
    if (run.kind == StepTyping && removedLength == 0 && position == run.position + run.insertedLength) {
        if (!GrowStep(history, run, run.removedLength + run.insertedLength + insertedLength))
            return false;
        std::memcpy(run.texts + run.removedLength + run.insertedLength, inserted,
                    static_cast<size_t>(insertedLength) * sizeof(wchar_t));
        run.insertedLength += insertedLength;
    } else if (run.kind == StepDeleting && insertedLength == 0 && position + removedLength == run.position) {
        if (!GrowStep(history, run, run.removedLength + removedLength))
            return false;
        std::memmove(run.texts + removedLength, run.texts, static_cast<size_t>(run.removedLength) * sizeof(wchar_t));
        std::memcpy(run.texts, removed, static_cast<size_t>(removedLength) * sizeof(wchar_t));
        run.removedLength += removedLength;
        run.position = position;
    } else if (run.kind == StepDeleting && insertedLength == 0 && position == run.position) {
        if (!GrowStep(history, run, run.removedLength + removedLength))
            return false;
        std::memcpy(run.texts + run.removedLength, removed, static_cast<size_t>(removedLength) * sizeof(wchar_t));
        run.removedLength += removedLength;
    } else {
        return false;
    }
    run.lastTime = now;
    return true;
}

StepKind KindOf(ChangeSource source, int insertedLength)
{
    if (source == ChangeFromCommand)
        return StepWhole;
    return insertedLength == 0 ? StepDeleting : StepTyping;
}

// Makes the change of a step on the history's copy, forwards (Redo) or backwards (Undo).
bool TakeStep(EditHistory& history, const HistoryStep& step, bool forwards, TextChange& change)
{
    change.position = step.position;
    change.removedLength = forwards ? step.removedLength : step.insertedLength;
    change.inserted = forwards ? step.texts + step.removedLength : step.texts;
    change.insertedLength = forwards ? step.insertedLength : step.removedLength;
    if (!ReserveText(history, history.length - change.removedLength + change.insertedLength))
        return false;
    ApplyToText(history, change.position, change.removedLength, change.inserted, change.insertedLength);
    history.runOpen = false;
    return true;
}

} // namespace

bool StartHistory(EditHistory& history, const wchar_t* text, int length, bool savedText)
{
    FreeHistory(history);
    if (history.memoryLimit == 0)
        history.memoryLimit = HistoryMemoryLimit;
    if (!ReserveText(history, length))
        return false;
    if (length > 0)
        std::memcpy(history.text, text, static_cast<size_t>(length) * sizeof(wchar_t));
    history.length = length;
    history.text[length] = L'\0';
    history.savedAt = savedText ? 0 : -1;
    return true;
}

bool HistoryStarted(const EditHistory& history)
{
    return history.text != nullptr;
}

void FreeHistory(EditHistory& history)
{
    for (int i = 0; i < history.stepCount; i++)
        FreeStep(history, history.steps[i]);
    std::free(history.steps);
    std::free(history.text);
    size_t limit = history.memoryLimit;
    history = EditHistory();
    history.memoryLimit = limit;
}

bool RecordChange(EditHistory& history, const wchar_t* text, int length, int changeFrom, ChangeSource source,
                  unsigned now)
{
    if (!HistoryStarted(history))
        return false;
    int shorter = history.length < length ? history.length : length;
    int prefixLimit = changeFrom < 0 ? 0 : (changeFrom < shorter ? changeFrom : shorter);
    int position = CommonPrefix(history.text, text, prefixLimit);
    int suffix = CommonSuffix(history.text + history.length, text + length, shorter - position);
    int removedLength = history.length - position - suffix;
    int insertedLength = length - position - suffix;
    if (removedLength == 0 && insertedLength == 0)
        return false;
    if (!ReserveText(history, length)) {
        FreeHistory(history);
        return true;
    }
    const wchar_t* removed = history.text + position;
    const wchar_t* inserted = text + position;
    HistoryStep* run = OpenRun(history, now);
    bool joined = run != nullptr && source == ChangeFromKeys &&
                  JoinRun(history, *run, position, removed, removedLength, inserted, insertedLength, now);
    if (!joined) {
        if (AddStep(history, KindOf(source, insertedLength), position, removed, removedLength, inserted,
                    insertedLength, now))
            history.runOpen = source == ChangeFromKeys;
        else
            DropAllSteps(history);   // without this step no older one can be reached
    }
    KeepWithinMemoryLimit(history);
    ApplyToText(history, position, removedLength, inserted, insertedLength);
    return true;
}

void EndRun(EditHistory& history)
{
    history.runOpen = false;
}

bool CanUndo(const EditHistory& history)
{
    return HistoryStarted(history) && history.current > 0;
}

bool CanRedo(const EditHistory& history)
{
    return HistoryStarted(history) && history.current < history.stepCount;
}

bool TakeUndo(EditHistory& history, TextChange& change)
{
    if (!CanUndo(history) || !TakeStep(history, history.steps[history.current - 1], false, change))
        return false;
    history.current--;
    return true;
}

bool TakeRedo(EditHistory& history, TextChange& change)
{
    if (!CanRedo(history) || !TakeStep(history, history.steps[history.current], true, change))
        return false;
    history.current++;
    return true;
}

void MarkSaved(EditHistory& history)
{
    history.savedAt = history.current;
    // Typing after a save is a step of its own, so that Undo can stop at the saved text.
    history.runOpen = false;
}

void ForgetSaved(EditHistory& history)
{
    history.savedAt = -1;
}

bool IsAtSavedText(const EditHistory& history)
{
    return history.savedAt == history.current;
}
