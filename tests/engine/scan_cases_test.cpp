// The suggestions as users get them (the scans passing over what cannot be selected) against the
// word-for-word generation, on lists built to reach the scans' special cases.
#include <gtest/gtest.h>

#include <algorithm>

#include "literal_suggestions.h"
#include "suggestion_test_support.h"
#include "test_generator.h"

namespace {

struct Answer {
    std::vector<std::string> texts;
    std::vector<int16_t> slotScores;
    bool operator==(const Answer& o) const { return texts == o.texts && slotScores == o.slotScores; }
};

Answer TakeAnswer()
{
    Answer answer;
    answer.texts = SuggestionTexts();
    for (int r = 1; r <= SuggestionSlots; r++)
        answer.slotScores.push_back(SpellTables.SuggestionList.slotScore[r]);
    return answer;
}

// True when the engine suggests for the query what the word-for-word generation suggests.
bool SuggestsWordForWord(const std::string& query)
{
    WordField word = Word(query);
    literal::SuggestWords(word);
    Answer expected = TakeAnswer();
    SuggestWords(word);
    return TakeAnswer() == expected;
}

void WriteSorted(ListFolder& folder, std::vector<std::string> words)
{
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    folder.WriteLines("Spell.txt", words);
    ResetSpellTablesForTesting();
    LoadLists();
}

// Every text of three characters of the alphabet, in order.
std::vector<std::string> Triples(const std::string& alphabet)
{
    std::vector<std::string> triples;
    for (char a : alphabet)
        for (char b : alphabet)
            for (char c : alphabet)
                triples.push_back(std::string{a, b, c});
    return triples;
}

TEST(ScanCases, EntriesWithAnInnerBlankScoreAsWordForWord)
{
    // The word's characters never include the entries' inner blanks, which the block bounds count as
    // held: such entries must not be scored from the bounds.
    ListFolder folder;
    Generator g{6060};
    std::vector<std::string> words;
    for (int k = 0; k < 3000; k++) {
        std::string w = "a" + g.Word(1, 5, "bcdefgh");
        w += " " + g.Word(1, 5, "bcdefgh");
        words.push_back(w.substr(0, 12));
    }
    WriteSorted(folder, words);
    int differing = 0, suggested = 0;
    for (int k = 0; k < 300; k++) {
        std::string query = words[g.Below(static_cast<int>(words.size()))];
        query.erase(std::remove(query.begin(), query.end(), ' '), query.end());
        if (k % 2 == 1)
            query.erase(1 + g.Below(static_cast<int>(query.size()) - 1), 1);
        differing += !SuggestsWordForWord(query);
        suggested += !SuggestionAt(1).empty();
    }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(suggested, 250);
}

TEST(ScanCases, TheSelectionFloorAt287To289EqualScores)
{
    // Against "abcde", "abc" + a capital + "d" + a capital scores 24: 287, 288 or 289 of them come
    // first, then more of 24 ("abcad" and a capital), without or with some of 25 after them ("abcd" and
    // two capitals). The least selectable score may count only as many as the selection takes. Between
    // them stand a block's worth of entries too long to be scored, so that the later ones are scanned
    // after the first ones have been offered.
    ListFolder folder;
    std::vector<std::string> first;
    for (char x = 'A'; x <= 'Z'; x++)
        for (char z = 'A'; z <= 'Z'; z++)
            first.push_back(std::string("abc") + x + "d" + z);
    for (int held : {287, 288, 289}) {
        for (bool higherLater : {false, true}) {
            std::vector<std::string> words(first.begin(), first.begin() + held);
            for (char x = 'A'; x <= 'T'; x++)
                words.push_back(std::string("abcZzzz") + x);
            for (const char* later : {"abcadA", "abcadB", "abcbdA"})
                words.push_back(later);
            if (higherLater)
                words.insert(words.end(), {"abcdAA", "abcdAB", "abcdBA"});
            WriteSorted(folder, words);
            EXPECT_TRUE(SuggestsWordForWord("abcde")) << held << " " << higherLater;
            if (!higherLater) {
                EXPECT_EQ(SuggestionAt(SuggestionSlots), held == 287 ? "abcadA" : first[287]) << held;
            }
        }
    }
}

TEST(ScanCases, AListThatFillsThePool)
{
    // Candidates enough to fill the pool, those of low scores first: a full pool drops the later,
    // better ones, and passing over the low ones must not let them in.
    ListFolder folder;
    std::vector<std::string> words;
    for (const std::string& t : Triples("ABCDEFGHIJKLMNOPQRSTUVWXYZ")) {
        words.push_back("abc" + t);
        words.push_back("abd" + t);
    }
    for (const std::string& t : Triples("cde"))
        words.push_back("abd" + t.substr(0, 2));
    WriteSorted(folder, words);
    EXPECT_TRUE(SuggestsWordForWord("abcde"));
    EXPECT_EQ(PoolCount(), PoolCapacity);
}

} // namespace
