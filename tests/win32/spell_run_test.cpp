#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "spell_fixture.h"
#include "spell_run.h"
#include "spell_run_state.h"
#include "spell_tables.h"
#include "suggest_words.h"
#include "suggestion_list.h"
#include "word_check.h"
#include "word_dialog_ids.h"

namespace {

using SpellRun = SpellFixture;

const char Complete[] = "The spelling check is complete";

// A dialog step: notes the word the dialog opened with, picks the list's first entry when asked to,
// and presses button.
DialogStep NoteAndPress(std::vector<std::string>& words, int button, bool pickFirst = false)
{
    return [&words, button, pickFirst](HWND d) {
        words.push_back(ControlText(d, IDC_WORD_BOX));
        if (pickFirst)
            ClickEntry(d, IDC_SUGGESTION_LIST, 0);
        Press(d, button);
    };
}

std::vector<std::string> EngineSuggestions(const std::string& word)
{
    WordField field = Word(word), prepared;
    PrepareSuggestionWord(field, prepared);
    SuggestWords(prepared);
    std::vector<std::string> found;
    for (int16_t i = 1; i <= SuggestionSlots; i++) {
        char text[32];
        GetSuggestion(i, text);
        if (text[0] != 0)
            found.push_back(text);
    }
    return found;
}

TEST_F(SpellRun, UnknownWordsOpenTheDialogCheckedAndTheRunReportsMistakes)
{
    TestDocument document("this is a wrod\nteh end");
    std::vector<Seen> seen;
    driver.Then([&](HWND d) { seen.push_back(Look(d)); Press(d, IDC_IGNORE_ONCE); });
    driver.Then([&](HWND d) { seen.push_back(Look(d)); Press(d, IDC_IGNORE_ONCE); });
    driver.Then([&](HWND d) { seen.push_back(Look(d)); Press(d, IDC_IGNORE_ONCE); });
    SpellCheckRun(document.Window(), TestEditId);

    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].word, "wrod");
    EXPECT_EQ(seen[0].status, "Incorrect");
    EXPECT_FALSE(seen[0].entries.empty());
    EXPECT_EQ(seen[0].entries, EngineSuggestions("wrod"));
    EXPECT_NE(std::find(seen[0].entries.begin(), seen[0].entries.end(), "word"), seen[0].entries.end());
    // A word of the misspellings table lists its correction alone.
    EXPECT_EQ(seen[1].word, "teh");
    EXPECT_EQ(seen[1].entries, std::vector<std::string>{"the"});
    EXPECT_EQ(seen[2].word, "end");

    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, Complete);
    EXPECT_EQ(messages.Shown()[0].caption, "Mistake(s) found");
    EXPECT_EQ(messages.Shown()[0].owner, nullptr);
    EXPECT_EQ(document.Text(), "this is a wrod\nteh end");
}

TEST_F(SpellRun, CleanAndEmptyDocumentsReportNoMistakes)
{
    TestDocument clean("This is a line of text,\n\nand every word is here.");
    SpellCheckRun(clean.Window(), TestEditId);
    TestDocument empty("");
    SpellCheckRun(empty.Window(), TestEditId);

    EXPECT_EQ(driver.Opened(), 0);
    ASSERT_EQ(messages.Shown().size(), 2u);
    for (const ShownMessage& m : messages.Shown()) {
        EXPECT_EQ(m.text, Complete);
        EXPECT_EQ(m.caption, "No mistakes found");
        EXPECT_EQ(m.style, static_cast<UINT>(MB_OK));
    }
}

TEST_F(SpellRun, ChangePutsThePickedSuggestionInTheDocument)
{
    TestDocument document("one teh cat");
    std::string picked;
    driver.Then([&](HWND d) {
        ClickEntry(d, IDC_SUGGESTION_LIST, 0);
        picked = ControlText(d, IDC_SPELL_SELECTED_WORD);
        Press(d, IDC_CHANGE);
    });
    SpellCheckRun(document.Window(), TestEditId);

    EXPECT_EQ(picked, "the");
    EXPECT_EQ(document.Text(), "one the cat");
    EXPECT_EQ(driver.Opened(), 1);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{Complete});
}

// Text as it is written today: typographic quotes and apostrophes, accented words, other scripts.
TEST_F(SpellRun, UnicodeTextIsCheckedWordByWordAndAChangeKeepsTheDocumentsApostrophe)
{
    folder.WriteLines("Spell.txt", {"Caf\xE9", "au", "doesn't", "isn't", "it", "lait", "said", "she", "the"});
    folder.WriteLines("Misspell.txt", {"$doesn't", "dosen't"});
    // Known words only: curly quotes, an em dash, accents, Greek and Japanese words are no unknown words.
    TestDocument known("\xE2\x80\x9C" "Caf\xC3\xA9 au lait,\xE2\x80\x9D she said \xE2\x80\x94 it isn\xE2\x80\x99t "
                       "\xCE\xB1\xCE\xBB\xCF\x86\xCE\xB1 \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E");
    SpellCheckRun(known.Window(), TestEditId);
    EXPECT_EQ(driver.Opened(), 0);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].caption, "No mistakes found");

    // The correction takes the document's own apostrophe.
    TestDocument misspelt("she dosen\xE2\x80\x99t, it dosen't");
    driver.Then([&](HWND d) {
        ClickEntry(d, IDC_SUGGESTION_LIST, 0);
        Press(d, IDC_CHANGE);
    });
    driver.Then([&](HWND d) {
        ClickEntry(d, IDC_SUGGESTION_LIST, 0);
        Press(d, IDC_CHANGE);
    });
    SpellCheckRun(misspelt.Window(), TestEditId);
    EXPECT_EQ(misspelt.Text(), "she doesn\xE2\x80\x99t, it doesn't");
}

TEST_F(SpellRun, ChangeWithNothingPickedWarnsAndEnterAndEscapeDoNothing)
{
    TestDocument document("teh cat");
    driver.Then([&](HWND d) {
        Press(d, IDC_CHANGE);
        Press(d, IDC_CHANGE_ALL);
        SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        Press(d, IDC_IGNORE_ONCE);
    });
    SpellCheckRun(document.Window(), TestEditId);

    ASSERT_EQ(messages.Shown().size(), 3u);
    for (int i = 0; i < 2; i++) {
        EXPECT_EQ(messages.Shown()[i].text, "No items selected!");
        EXPECT_EQ(messages.Shown()[i].caption, "Warning");
        EXPECT_EQ(messages.Shown()[i].style, static_cast<UINT>(MB_OK));
        EXPECT_NE(messages.Shown()[i].owner, nullptr);
    }
    EXPECT_EQ(messages.Shown()[2].text, Complete);
    EXPECT_EQ(document.Text(), "teh cat");
}

TEST_F(SpellRun, ChangeAllReplacesWholeWordsOfTheSameCaseEverywhere)
{
    TestDocument document("teh dog\r\nteh, Teh tehs xteh teh\r\ncat teh");
    document.Select(9, 9);   // the start of the second line
    std::vector<std::string> words;
    driver.Then(NoteAndPress(words, IDC_CHANGE_ALL, true));
    driver.Then(NoteAndPress(words, IDC_SPELL_CANCEL));
    SpellCheckRun(document.Window(), TestEditId);

    EXPECT_EQ(document.Text(), "the dog\r\nthe, Teh tehs xteh the\r\ncat the");
    // The run goes on behind the replaced word.
    EXPECT_EQ(words, (std::vector<std::string>{"teh", "Teh"}));
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(SpellRun, ChangeAllEndsWhenTheReplacementHoldsTheWordAgain)
{
    folder.WriteLines("Misspell.txt", {"$the teh", "teh"});
    TestDocument document("teh cat teh");
    driver.Then([&](HWND d) {
        ClickEntry(d, IDC_SUGGESTION_LIST, 0);
        Press(d, IDC_CHANGE_ALL);
    });
    driver.Then([&](HWND d) { Press(d, IDC_SPELL_CANCEL); });
    SpellCheckRun(document.Window(), TestEditId);

    EXPECT_EQ(document.Text(), "the teh cat the teh");
    EXPECT_EQ(driver.Opened(), 2);
}

TEST_F(SpellRun, ChangeAllChangesTheWordTheRunStoppedAtWhateverTheWordBoxThenHeld)
{
    folder.WriteLines("Spell.txt", {"again", "done", "separately"});
    TestDocument document("seperately done, seperately again");
    driver.Then([&](HWND d) {
        // The user types the right spelling, checks it and takes it.
        SetDlgItemTextA(d, IDC_WORD_BOX, "separately");
        Press(d, IDC_SPELL_CHECK);
        ClickEntry(d, IDC_SUGGESTION_LIST, 0);
        Press(d, IDC_CHANGE_ALL);
    });
    SpellCheckRun(document.Window(), TestEditId);

    EXPECT_EQ(document.Text(), "separately done, separately again");
    EXPECT_EQ(driver.Opened(), 1);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{Complete});
}

std::string Repeated(const std::string& text, int times)
{
    std::string repeated;
    for (int i = 0; i < times; i++)
        repeated += text;
    return repeated;
}

// The edit control wraps: each longer replacement pushes the text behind it onto further lines.
TEST_F(SpellRun, ChecksToTheEndWhenChangesRewrapTheText)
{
    folder.WriteLines("Spell.txt", {"and", "counterrevolutionaries", "end", "the"});
    folder.WriteLines("Misspell.txt", {"$counterrevolutionaries", "catt"});
    TestDocument document("catt" + Repeated(" and catt", 30) + "\r\nthe end zzqx");
    LRESULT linesBefore = SendDlgItemMessageA(document.Window(), TestEditId, EM_GETLINECOUNT, 0, 0);
    std::vector<std::string> words;
    for (int i = 0; i < 31; i++)
        driver.Then(NoteAndPress(words, IDC_CHANGE, true));
    driver.Then(NoteAndPress(words, IDC_IGNORE_ONCE));
    SpellCheckRun(document.Window(), TestEditId);

    std::vector<std::string> expected(31, "catt");
    expected.push_back("zzqx");
    EXPECT_EQ(words, expected);
    EXPECT_EQ(document.Text(),
              "counterrevolutionaries" + Repeated(" and counterrevolutionaries", 30) + "\r\nthe end zzqx");
    EXPECT_GT(SendDlgItemMessageA(document.Window(), TestEditId, EM_GETLINECOUNT, 0, 0), linesBefore + 2);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{Complete});
}

TEST_F(SpellRun, ChangeAllReplacesEveryOccurrenceWhenTheTextRewraps)
{
    folder.WriteLines("Spell.txt", {"and", "cattle", "end", "the"});
    folder.WriteLines("Misspell.txt", {"$cattle", "catt"});
    TestDocument document(Repeated("catt and ", 120) + "\r\nthe end zzqx");
    std::vector<std::string> words;
    driver.Then(NoteAndPress(words, IDC_CHANGE_ALL, true));
    driver.Then(NoteAndPress(words, IDC_IGNORE_ONCE));
    SpellCheckRun(document.Window(), TestEditId);

    EXPECT_EQ(words, (std::vector<std::string>{"catt", "zzqx"}));
    EXPECT_EQ(document.Text(), Repeated("cattle and ", 120) + "\r\nthe end zzqx");
}

TEST_F(SpellRun, WithoutItsWordListTheRunNamesTheListAndLeavesTheDocumentAlone)
{
    folder.WriteLines("Spell.txt", {"and", "1st", "the"});   // a line that begins with a digit
    TestDocument document("the cat and wrod");
    SpellCheckRun(document.Window(), TestEditId);

    ASSERT_EQ(messages.Shown().size(), 1u);
    const ShownMessage& shown = messages.Shown()[0];
    EXPECT_EQ(shown.text, "Could not load the word list C:\\ZOLT\\SPELL\\Spell.txt");
    EXPECT_EQ(shown.caption, "Error");
    EXPECT_EQ(shown.style, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(shown.owner, document.Window());
    EXPECT_EQ(driver.Opened(), 0);
    EXPECT_EQ(document.Text(), "the cat and wrod");
}

TEST_F(SpellRun, IgnoreAllPassesTheWordInAnyCaseInLaterRuns)
{
    TestDocument first("wrod here wrod");
    driver.Then([&](HWND d) { Press(d, IDC_IGNORE_ALL); });
    SpellCheckRun(first.Window(), TestEditId);
    TestDocument second("WROD and Wrod");
    SpellCheckRun(second.Window(), TestEditId);

    EXPECT_EQ(driver.Opened(), 1);
    ASSERT_EQ(messages.Shown().size(), 2u);
    EXPECT_EQ(messages.Shown()[0].caption, "Mistake(s) found");
    EXPECT_EQ(messages.Shown()[1].caption, "No mistakes found");
}

TEST_F(SpellRun, WordAddAnsweredYesAppendsTheWordAndKnowsIt)
{
    folder.Remove("Local.txt");
    TestDocument document("wrod here wrod");
    messages.Answer("Word Add", {IDYES});
    driver.Then([&](HWND d) { Press(d, IDC_WORD_ADD); });
    SpellCheckRun(document.Window(), TestEditId);

    EXPECT_EQ(driver.Opened(), 1);
    EXPECT_EQ(folder.ReadFile("Local.txt"), "wrod\r\n");
    ASSERT_EQ(messages.Shown().size(), 3u);
    EXPECT_EQ(messages.Shown()[0].text, "OK to ADD wrod to the Local Dictionary?");
    EXPECT_EQ(messages.Shown()[0].style, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(messages.Shown()[0].owner, document.Window());
    EXPECT_EQ(messages.Shown()[1].text, "wrod");
    EXPECT_EQ(messages.Shown()[1].caption, "Word Added OK");
    EXPECT_EQ(messages.Shown()[2].caption, "Mistake(s) found");
    int16_t status = 1;
    CheckWord(Word("wrod"), status);
    EXPECT_EQ(status, 0);
}

TEST_F(SpellRun, WordAddKeepsTheExistingListWhole)
{
    folder.WriteFile("Local.txt", "alpha\r\nbeta");   // no line break after the last word
    messages.Answer("Word Add", {IDYES, IDYES});
    TestDocument document("wrod xyzzy");
    driver.Then([&](HWND d) { Press(d, IDC_WORD_ADD); });
    driver.Then([&](HWND d) { Press(d, IDC_WORD_ADD); });
    SpellCheckRun(document.Window(), TestEditId);

    EXPECT_EQ(folder.ReadFile("Local.txt"), "alpha\r\nbeta\r\nwrod\r\nxyzzy\r\n");
    EXPECT_EQ(SpellTables.LocalCount, 4);
}

TEST_F(SpellRun, WordAddAnsweredNoShowsTheSameWordAgain)
{
    folder.Remove("Local.txt");
    messages.Answer("Word Add", {IDNO});
    TestDocument document("cat wrod");
    std::vector<std::string> words;
    driver.Then(NoteAndPress(words, IDC_WORD_ADD));
    driver.Then(NoteAndPress(words, IDC_IGNORE_ONCE));
    SpellCheckRun(document.Window(), TestEditId);

    EXPECT_EQ(words, (std::vector<std::string>{"wrod", "wrod"}));
    EXPECT_EQ(folder.ReadFile("Local.txt"), "");
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"OK to ADD wrod to the Local Dictionary?", Complete}));
}

TEST_F(SpellRun, WordAddThatCannotOpenTheListSaysSoAndGoesOn)
{
    folder.Remove("Local.txt");
    CreateDirectoryA(folder.PathOf("Local.txt").c_str(), nullptr);   // a folder cannot be appended to
    messages.Answer("Word Add", {IDYES});
    TestDocument document("wrod xyzzy");
    driver.Then([&](HWND d) { Press(d, IDC_WORD_ADD); });
    driver.Then([&](HWND d) { Press(d, IDC_IGNORE_ONCE); });
    SpellCheckRun(document.Window(), TestEditId);
    RemoveDirectoryA(folder.PathOf("Local.txt").c_str());

    ASSERT_EQ(messages.Shown().size(), 3u);
    EXPECT_EQ(messages.Shown()[1].text, "Unable to open");
    EXPECT_EQ(messages.Shown()[1].caption, "C:\\ZOLT\\SPELL\\Local.txt");
    EXPECT_EQ(messages.Shown()[1].style, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(driver.Opened(), 2);
}

TEST_F(SpellRun, CancelAndTheCloseBoxEndTheRunSilently)
{
    TestDocument byCancel("wrod one wrod");
    driver.Then([&](HWND d) { Press(d, IDC_SPELL_CANCEL); });
    SpellCheckRun(byCancel.Window(), TestEditId);
    TestDocument byCloseBox("wrod one wrod");
    driver.Then([&](HWND d) { SendMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); });
    SpellCheckRun(byCloseBox.Window(), TestEditId);

    EXPECT_EQ(driver.Opened(), 2);
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(SpellRun, StartsBehindTheWordTheCaretIsIn)
{
    TestDocument document("zzyz\r\nwrod xyzzy\r\nqqq");
    document.Select(8, 8);   // inside "wrod" on the second line
    std::vector<std::string> words;
    driver.Then(NoteAndPress(words, IDC_IGNORE_ONCE));
    driver.Then(NoteAndPress(words, IDC_IGNORE_ONCE));
    SpellCheckRun(document.Window(), TestEditId);

    EXPECT_EQ(words, (std::vector<std::string>{"xyzzy", "qqq"}));
}

const char GoOnFromTheBeginning[] = "The end of the document was reached. Continue checking from the beginning?";

TEST_F(SpellRun, ARunBegunAfterTheStartAsksToGoOnAndThenChecksUpToWhereItBegan)
{
    TestDocument document("wrod here\r\nxyzzy");
    document.Select(14, 14);   // inside the last word, which the run passes over at first
    messages.Answer("Spellmar", {IDYES});
    std::vector<std::string> words;
    driver.Then(NoteAndPress(words, IDC_IGNORE_ONCE));
    driver.Then(NoteAndPress(words, IDC_IGNORE_ONCE));
    SpellCheckRun(document.Window(), TestEditId);

    EXPECT_EQ(words, (std::vector<std::string>{"wrod", "xyzzy"}));
    ASSERT_EQ(messages.Shown().size(), 2u);
    EXPECT_EQ(messages.Shown()[0].text, GoOnFromTheBeginning);
    EXPECT_EQ(messages.Shown()[0].style, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(messages.Shown()[0].owner, document.Window());
    EXPECT_EQ(messages.Shown()[1].text, Complete);
    EXPECT_EQ(messages.Shown()[1].caption, "Mistake(s) found");

    // Declined, the run has checked nothing wrong.
    messages.Clear();
    messages.Answer("Spellmar", {IDNO});
    document.Select(15, 15);
    SpellCheckRun(document.Window(), TestEditId);
    EXPECT_EQ(driver.Opened(), 2);
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{GoOnFromTheBeginning, Complete}));
    EXPECT_EQ(messages.Shown()[1].caption, "No mistakes found");
}

// With the caret at the very end there is nothing before the question: the run checks the whole document
// without asking. Begun at the first letter of an unknown word, the run asks about that word first and,
// after going on from the beginning, not again.
TEST_F(SpellRun, ARunFromTheVeryEndAsksNothingAndOneFromAWordsFirstLetterAsksAboutItOnce)
{
    TestDocument atTheEnd("wrod here\r\nxyzzy");
    atTheEnd.Select(16, 16);
    std::vector<std::string> words;
    driver.Then(NoteAndPress(words, IDC_IGNORE_ONCE));
    driver.Then(NoteAndPress(words, IDC_IGNORE_ONCE));
    SpellCheckRun(atTheEnd.Window(), TestEditId);
    EXPECT_EQ(words, (std::vector<std::string>{"wrod", "xyzzy"}));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{Complete});

    messages.Clear();
    words.clear();
    TestDocument atAWord("qqq wrod zz");
    atAWord.Select(4, 4);
    messages.Answer("Spellmar", {IDYES});
    for (int i = 0; i < 3; i++)
        driver.Then(NoteAndPress(words, IDC_IGNORE_ONCE));
    SpellCheckRun(atAWord.Window(), TestEditId);
    EXPECT_EQ(words, (std::vector<std::string>{"wrod", "zz", "qqq"}));
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{GoOnFromTheBeginning, Complete}));
    EXPECT_EQ(driver.Unexpected(), 0);
}

TEST_F(SpellRun, GoingOnFromTheBeginningStopsWhereTheRunBeganHoweverChangesMovedIt)
{
    folder.WriteLines("Misspell.txt", {"$cat", "caaaaaaat", "$receive", "rcv"});
    TestDocument document("rcv caaaaaaat qq caaaaaaat zz");
    document.Select(17, 17);   // the second caaaaaaat
    messages.Answer("Spellmar", {IDYES});
    std::vector<std::string> words;
    driver.Then(NoteAndPress(words, IDC_CHANGE_ALL, true));   // the run's start moves 6 to the left
    driver.Then(NoteAndPress(words, IDC_IGNORE_ONCE));
    driver.Then(NoteAndPress(words, IDC_CHANGE, true));       // and then 4 to the right
    driver.Then(NoteAndPress(words, IDC_IGNORE_ONCE));
    // A word checked twice would get here and end the run without its closing message.
    driver.Then(NoteAndPress(words, IDC_SPELL_CANCEL));
    SpellCheckRun(document.Window(), TestEditId);

    EXPECT_EQ(document.Text(), "receive cat qq cat zz");
    EXPECT_EQ(words, (std::vector<std::string>{"caaaaaaat", "zz", "rcv", "qq"}));
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{GoOnFromTheBeginning, Complete}));
}

TEST_F(SpellRun, AWordTooLongToCheckIsNeverAddedAsTheWordBeforeIt)
{
    const std::string longWord(32, 'k');
    TestDocument document("wrod " + longWord);
    driver.Then([&](HWND d) { Press(d, IDC_IGNORE_ONCE); });
    driver.Then([&](HWND d) {
        EXPECT_EQ(ControlText(d, IDC_WORD_BOX), longWord);
        Press(d, IDC_WORD_ADD);
        Press(d, IDC_IGNORE_ONCE);
    });
    SpellCheckRun(document.Window(), TestEditId);

    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"Please enter a shorter word!",
                                                          "This word is too long for the Local Dictionary!",
                                                          Complete}));
    EXPECT_EQ(folder.ReadFile("Local.txt"), "");
}

TEST_F(SpellRun, ADialogThatCannotOpenStopsTheRun)
{
    // A window of a module without the dialog template.
    TestDocument document("wrod one", GetModuleHandleA("kernel32.dll"));
    SpellRunState.action = ActionChange;   // as an earlier dialog may have left it
    SpellRunState.stopRun = 0;
    std::strcpy(SpellRunState.replacement, "one");
    SpellCheckRun(document.Window(), TestEditId);

    EXPECT_EQ(driver.Opened(), 0);
    EXPECT_EQ(document.Text(), "wrod one");
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].caption, "Error");
    EXPECT_EQ(SpellRunState.stopRun, 1);
}

} // namespace
