// The history of a document's text: steps found by comparing texts, runs of keys, Undo and Redo back
// and forth, the saved point and the memory limit.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "edit_history.h"

namespace {

// A document's text as an edit control would hold it, and its history, changed the way the editor does.
class Document {
public:
    explicit Document(const std::wstring& text, size_t memoryLimit = 0) : text_(text)
    {
        history_.memoryLimit = memoryLimit;
        EXPECT_TRUE(StartHistory(history_, text_.c_str(), Length(), true));
    }
    ~Document() { FreeHistory(history_); }

    // Replaces from start to end with the text, as an edit of the given source made at that selection.
    bool Edit(int start, int end, const std::wstring& inserted, ChangeSource source, unsigned now)
    {
        text_.replace(static_cast<size_t>(start), static_cast<size_t>(end - start), inserted);
        return RecordChange(history_, text_.c_str(), Length(), start, source, now);
    }
    void Type(int at, const std::wstring& typed, unsigned now) { Edit(at, at, typed, ChangeFromKeys, now); }
    void Backspace(int caret, unsigned now) { Edit(caret - 1, caret, L"", ChangeFromKeys, now); }

    bool Undo()
    {
        TextChange change;
        if (!TakeUndo(history_, change))
            return false;
        Apply(change);
        return true;
    }
    bool Redo()
    {
        TextChange change;
        if (!TakeRedo(history_, change))
            return false;
        Apply(change);
        return true;
    }
    int UndoAll()
    {
        int steps = 0;
        while (Undo())
            steps++;
        return steps;
    }

    const std::wstring& Text() const { return text_; }
    EditHistory& History() { return history_; }
    // The history's own copy agrees with the document's text.
    std::wstring Copy() const { return std::wstring(history_.text, static_cast<size_t>(history_.length)); }

private:
    int Length() const { return static_cast<int>(text_.size()); }
    void Apply(const TextChange& change)
    {
        text_.replace(static_cast<size_t>(change.position), static_cast<size_t>(change.removedLength),
                      std::wstring(change.inserted, static_cast<size_t>(change.insertedLength)));
    }

    std::wstring text_;
    EditHistory history_ = {};
};

TEST(EditHistory, RandomCommandsAreUndoneStepByStepToTheFirstTextAndRedoneToTheLast)
{
    std::mt19937 random(7);
    Document document(L"The first text of the document.\r\nA second line.");
    std::vector<std::wstring> texts = {document.Text()};
    for (int i = 0; i < 300; i++) {
        int length = static_cast<int>(document.Text().size());
        int start = static_cast<int>(random() % static_cast<unsigned>(length + 1));
        int end = start + static_cast<int>(random() % static_cast<unsigned>(length - start + 1) % 12);
        std::wstring inserted(random() % 6, L'a' + static_cast<wchar_t>(random() % 3));
        // Text like the text around it makes the place of a change ambiguous, which must not matter.
        if (!document.Edit(start, end, inserted, ChangeFromCommand, static_cast<unsigned>(i)))
            continue;
        texts.push_back(document.Text());
        ASSERT_EQ(document.Copy(), document.Text());
    }
    for (size_t i = texts.size() - 1; i > 0; i--) {
        ASSERT_TRUE(document.Undo());
        ASSERT_EQ(document.Text(), texts[i - 1]) << "after undoing step " << i;
    }
    EXPECT_FALSE(document.Undo());
    for (size_t i = 1; i < texts.size(); i++) {
        ASSERT_TRUE(document.Redo());
        ASSERT_EQ(document.Text(), texts[i]) << "after redoing step " << i;
    }
    EXPECT_FALSE(document.Redo());
    EXPECT_EQ(document.Copy(), document.Text());
}

TEST(EditHistory, AnEditThatChangesNothingIsNoStep)
{
    Document document(L"same");
    EXPECT_FALSE(document.Edit(1, 3, L"am", ChangeFromCommand, 0));
    EXPECT_FALSE(CanUndo(document.History()));
}

TEST(EditHistory, TypedTextIsTakenBackWhereItWasTyped)
{
    // "a" typed between two others: the text alone cannot tell where, the selection can.
    Document document(L"aa");
    document.Type(1, L"a", 0);
    TextChange change;
    ASSERT_TRUE(TakeUndo(document.History(), change));
    EXPECT_EQ(change.position, 1);
    EXPECT_EQ(change.removedLength, 1);
    EXPECT_EQ(change.insertedLength, 0);
}

TEST(EditHistory, ARunOfKeysIsOneStepUntilAPauseACaretMoveOrAnotherKindOfKey)
{
    Document document(L"Dear Sir,");
    // Typing over a selection and on: one step.
    document.Edit(5, 8, L"M", ChangeFromKeys, 100);
    document.Type(6, L"a", 200);
    document.Type(7, L"dam", 300);
    // A pause: the next characters are a step of their own.
    document.Type(10, L" and", 300 + TypingPause);
    // A run of Backspace, then one of Delete after the caret moved.
    document.Backspace(14, 1400);
    document.Backspace(13, 1500);
    EndRun(document.History());
    document.Edit(0, 1, L"", ChangeFromKeys, 1600);
    document.Edit(0, 1, L"", ChangeFromKeys, 1700);
    // Typing after deleting is a step of its own; so is a command, even in the middle of a run.
    document.Type(0, L"N", 1800);
    document.Edit(1, 1, L"o", ChangeFromCommand, 1900);
    document.Type(2, L"w", 2000);
    EXPECT_EQ(document.Text(), L"Nowar Madam a,");

    const wchar_t* expected[] = {L"Noar Madam a,", L"Nar Madam a,", L"ar Madam a,", L"Dear Madam a,",
                                 L"Dear Madam and,", L"Dear Madam,", L"Dear Sir,"};
    for (const wchar_t* text : expected) {
        ASSERT_TRUE(document.Undo());
        EXPECT_EQ(document.Text(), text);
    }
    EXPECT_FALSE(document.Undo());
}

TEST(EditHistory, UndoBackToTheSavedTextAndRedoPastItTellWhetherTheTextIsTheSavedOne)
{
    Document document(L"opened");
    EXPECT_TRUE(IsAtSavedText(document.History()));
    document.Type(0, L"1 ", 0);
    EXPECT_FALSE(IsAtSavedText(document.History()));
    MarkSaved(document.History());
    // Typing on at once after the save is not part of the run before it.
    document.Type(2, L"x", 10);
    document.Type(3, L"y", 20);
    EXPECT_FALSE(IsAtSavedText(document.History()));
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(document.Text(), L"1 opened");
    EXPECT_TRUE(IsAtSavedText(document.History()));
    ASSERT_TRUE(document.Undo());
    EXPECT_FALSE(IsAtSavedText(document.History()));
    ASSERT_TRUE(document.Redo());
    EXPECT_TRUE(IsAtSavedText(document.History()));
    ASSERT_TRUE(document.Redo());
    EXPECT_FALSE(IsAtSavedText(document.History()));

    // A new change after an Undo past the saved text: no step leads back to it any more.
    document.UndoAll();
    document.Edit(0, 0, L"2 ", ChangeFromCommand, 30);
    EXPECT_FALSE(IsAtSavedText(document.History()));
    document.UndoAll();
    EXPECT_EQ(document.Text(), L"opened");
    EXPECT_FALSE(IsAtSavedText(document.History()));
}

TEST(EditHistory, TheOldestStepsGoFirstToStayWithinTheMemoryLimit)
{
    const size_t limit = 64 * 1024;
    Document document(L"", limit);
    std::wstring line(100, L'x');
    for (int i = 0; i < 2000; i++) {
        int end = static_cast<int>(document.Text().size());
        document.Edit(end, end, line, ChangeFromCommand, static_cast<unsigned>(i));
        EXPECT_LE(document.History().memoryUsed, limit);
    }
    int kept = document.UndoAll();
    EXPECT_GT(kept, 100);
    EXPECT_LT(kept, 2000);
    EXPECT_EQ(document.Text().size(), (2000u - static_cast<size_t>(kept)) * line.size());
    // The text saved at the start is among the steps dropped.
    EXPECT_FALSE(IsAtSavedText(document.History()));

    // A step larger than the limit is not kept, and the history goes on after it.
    std::wstring huge(limit, L'h');
    document.Edit(0, 0, huge, ChangeFromCommand, 3000);
    EXPECT_FALSE(CanUndo(document.History()));
    document.Edit(0, 1, L"small", ChangeFromCommand, 3001);
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(document.Text().substr(0, 2), L"hh");
    EXPECT_EQ(document.Copy(), document.Text());
}

TEST(EditHistory, AThousandTypedWordsAreAThousandStepsWithinTheDefaultLimit)
{
    Document document(L"");
    for (int i = 0; i < 1000; i++) {
        int end = static_cast<int>(document.Text().size());
        document.Type(end, L"word ", static_cast<unsigned>(i) * TypingPause);
    }
    EXPECT_EQ(document.UndoAll(), 1000);
    EXPECT_EQ(document.Text(), L"");
}

} // namespace
