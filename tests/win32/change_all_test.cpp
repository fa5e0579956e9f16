#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "change_all.h"
#include "change_all_one_by_one.h"
#include "message_log.h"
#include "test_document.h"
#include "word_scanner.h"

namespace {

const std::string LongRun(34, 'k');

// Words that are the changed word, differ from it in case or length only, hold it, or hold it with
// apostrophes; letter runs longer than a word can be; and separators that do and do not end a word.
const std::vector<std::string> Pieces = {"teh", "teh", "Teh", "tehs", "xteh", "the", "teh's", "'teh", "teh'",
                                         "a", "quick", "k", LongRun, LongRun.substr(0, 32), "teh teh"};
const std::vector<std::string> Separators = {" ", " ", ", ", "\r\n", "-", "'", ".", "\t", "''", "2", "\r\n\r\n"};

// A document of random pieces; a blank at least every 40 characters, so the edit control never has to
// break a line inside a word.
std::string RandomDocument(std::mt19937& random)
{
    std::string text;
    size_t sinceBlank = 0;
    int pieces = 1 + static_cast<int>(random() % 40);
    for (int i = 0; i < pieces; i++) {
        const std::string& piece = Pieces[random() % Pieces.size()];
        const std::string& separator = Separators[random() % Separators.size()];
        text += piece;
        sinceBlank += piece.size();
        if (sinceBlank > 40 || separator.find_first_of(" \r\t") != std::string::npos) {
            text += sinceBlank > 40 ? " " : separator;
            sinceBlank = 0;
        } else {
            text += separator;
            sinceBlank += separator.size();
        }
    }
    return text;
}

// Where the run may have stopped: the start of one of the word's occurrences (or 0 when there is none).
int32_t RandomOccurrence(std::mt19937& random, const std::string& text, const std::string& word)
{
    std::vector<int32_t> starts;
    int length = static_cast<int>(text.size());
    for (int at = FindWord(text.c_str(), length, 0, word.c_str()); at >= 0;
         at = FindWord(text.c_str(), length, at + static_cast<int>(word.size()), word.c_str()))
        starts.push_back(at);
    return starts.empty() ? 0 : starts[random() % starts.size()];
}

struct EditState {
    std::string text;
    DWORD selectionStart;
    DWORD selectionEnd;
    bool modified;
};

EditState StateOf(const TestDocument& document)
{
    HWND edit = GetDlgItem(document.Window(), TestEditId);
    EditState state{document.Text(), 0, 0, SendMessageA(edit, EM_GETMODIFY, 0, 0) != 0};
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&state.selectionStart),
                 reinterpret_cast<LPARAM>(&state.selectionEnd));
    return state;
}

void Reset(TestDocument& document, const std::string& text, int32_t mark)
{
    HWND edit = GetDlgItem(document.Window(), TestEditId);
    SetWindowTextA(edit, text.c_str());
    SendMessageA(edit, EM_SETMODIFY, FALSE, 0);
    document.Select(mark, mark + 3);
}

// Change All on the document holding text, the one-by-one way; gives where mark moved to.
int32_t ChangeOneByOne(TestDocument& document, const std::string& text, const std::string& word,
                       const std::string& replacement, int32_t mark)
{
    Reset(document, text, mark);
    return ChangeAllOneByOne(GetDlgItem(document.Window(), TestEditId), word.c_str(), WideOf(replacement).c_str(), mark);
}

// The one change of the text gives what replacing one occurrence at a time gave, and one Undo takes
// it all back.
TEST(ChangeAll, ChangesTheTextAsOneOccurrenceAtATimeDidAndOneUndoTakesItBack)
{
    const std::vector<std::string> words = {"teh", "Teh", LongRun.substr(0, 32), "k"};
    const std::vector<std::string> replacements = {"the", "t", "teh teh", "tehteh", "th'", "a-teh", "kk"};
    std::mt19937 random(20261207);
    TestDocument oneByOne(""), onePass("");
    int changed = 0;
    for (int i = 0; i < 250; i++) {
        std::string text = RandomDocument(random);
        const std::string& word = words[random() % words.size()];
        const std::string& replacement = replacements[random() % replacements.size()];
        // Where the run stopped, and another place, such as where it began.
        int32_t marks[] = {RandomOccurrence(random, text, word), static_cast<int32_t>(random() % (text.size() + 1))};
        int32_t otherMark = ChangeOneByOne(oneByOne, text, word, replacement, marks[1]);
        int32_t runMark = ChangeOneByOne(oneByOne, text, word, replacement, marks[0]);
        Reset(onePass, text, marks[0]);
        ChangeAllInDocument(GetDlgItem(onePass.Window(), TestEditId), WideOf(word).c_str(), word.c_str(),
                            WideOf(replacement).c_str(), marks, 2);
        EditState expected = StateOf(oneByOne), got = StateOf(onePass);
        std::string context = "text \"" + text + "\", " + word + " -> " + replacement;
        ASSERT_EQ(got.text, expected.text) << context;
        EXPECT_EQ(marks[0], runMark) << context;
        EXPECT_EQ(marks[1], otherMark) << context;
        EXPECT_EQ(got.selectionStart, expected.selectionStart) << context;
        EXPECT_EQ(got.selectionEnd, expected.selectionEnd) << context;
        EXPECT_EQ(got.modified, expected.modified) << context;
        if (got.text != text) {
            changed++;
            SendDlgItemMessageA(onePass.Window(), TestEditId, EM_UNDO, 0, 0);
            EXPECT_EQ(onePass.Text(), text) << context;
        }
    }
    // Most documents hold the word.
    EXPECT_GT(changed, 150);
}

} // namespace
