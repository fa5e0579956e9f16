#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "list_folder.h"
#include "main_list_index.h"
#include "spell_tables.h"
#include "test_generator.h"
#include "word_lists.h"

namespace {

// The scan as the word check defines it: from the start entry on, the first entry that is not smaller
// than the word decides.
bool LiteralScan(const WordField& word, int32_t start)
{
    for (int32_t i = start; i <= SpellTables.MainCount; i++) {
        int order = CompareWords(word, SpellTables.MainWords[i]);
        if (order == 0)
            return true;
        if (order < 0)
            return false;
    }
    return false;
}

// Short words over a few characters, so lists hold duplicates, prefixes and near neighbours.
WordField RandomWord(Generator& g)
{
    static const char alphabet[] = "aabbcAB'\xe9z";
    std::string text;
    int length = 1 + g.Below(5);
    text += "aAbBcz"[g.Below(6)];
    while (static_cast<int>(text.size()) < length)
        text += alphabet[g.Below(static_cast<int>(sizeof alphabet) - 1)];
    return Word(text);
}

void InstallList(const std::vector<WordField>& words)
{
    ResetSpellTablesForTesting();
    SpellTables.MainCount = static_cast<int32_t>(words.size());
    for (size_t i = 0; i < words.size(); i++)
        SpellTables.MainWords[i + 1] = words[i];
    BuildMainListIndex();
}

std::vector<WordField> Queries(const std::vector<WordField>& list, Generator& g)
{
    std::vector<WordField> queries(list);
    for (int i = 0; i < 2000; i++)
        queries.push_back(RandomWord(g));
    for (size_t i = 0; i < list.size(); i += 7) {
        WordField longer = list[i];
        longer.ch[TrimmedLength(longer) % WordWidth] = 'a';
        queries.push_back(longer);
        WordField shorter = list[i];
        shorter.ch[TrimmedLength(shorter) - 1] = ' ';
        queries.push_back(shorter);
    }
    queries.push_back(Word(""));
    queries.push_back(Word(std::string(32, '\xff')));
    return queries;
}

// Compares both scans for every query from a few starts, and for some list words from every start.
void ExpectSameAnswers(const std::vector<WordField>& list, Generator& g, const char* label)
{
    InstallList(list);
    std::vector<int32_t> starts;
    for (int32_t s = 1; s <= SpellTables.MainCount + 1; s++)
        starts.push_back(s);
    std::vector<WordField> queries = Queries(list, g);
    int found = 0;
    for (const WordField& q : queries) {
        // From the top and from two entries picked at random.
        int32_t queryStarts[] = {1, starts[static_cast<size_t>(g.Below(static_cast<int>(starts.size())))],
                                 starts[static_cast<size_t>(g.Below(static_cast<int>(starts.size())))]};
        for (int32_t start : queryStarts) {
            bool literal = LiteralScan(q, start);
            ASSERT_EQ(ScanMainList(q, start), literal) << label << " word '" << Text(q) << "' start " << start;
            found += literal;
        }
    }
    for (int32_t start : starts)
        for (size_t i = 0; i < list.size(); i += 97)
            ASSERT_EQ(ScanMainList(list[i], start), LiteralScan(list[i], start)) << label << " start " << start;
    EXPECT_GT(found, 0) << label;   // the lists must give the scans something to find
}

bool Less(const WordField& a, const WordField& b)
{
    return CompareWords(a, b) < 0;
}

TEST(MainListScan, AnswersAsTheLiteralScanOnSortedAndUnsortedLists)
{
    Generator g;
    std::vector<WordField> words;
    for (int i = 0; i < 1500; i++)
        words.push_back(RandomWord(g));

    std::vector<WordField> sorted(words);
    std::sort(sorted.begin(), sorted.end(), Less);
    ExpectSameAnswers(sorted, g, "sorted");

    ExpectSameAnswers(words, g, "unsorted");

    // Sorted blocks out of order, a few swapped neighbours, and a descending tail.
    std::vector<WordField> partly(sorted);
    std::rotate(partly.begin(), partly.begin() + 500, partly.begin() + 900);
    for (int i = 0; i < 40; i++) {
        size_t at = static_cast<size_t>(g.Below(static_cast<int>(partly.size()) - 1));
        std::swap(partly[at], partly[at + 1]);
    }
    std::reverse(partly.end() - 120, partly.end());
    ExpectSameAnswers(partly, g, "partly sorted");

    std::vector<WordField> same(500, Word("mm"));
    ExpectSameAnswers(same, g, "one repeated word");
}

TEST(MainListScan, AnswersAsTheLiteralScanFromTheLoadedLetterStarts)
{
    ListFolder folder;
    Generator g;
    std::vector<std::string> lines;
    for (int i = 0; i < 1200; i++) {
        std::string word(1, static_cast<char>((g.Below(2) ? 'a' : 'A') + g.Below(26)));
        word += Text(RandomWord(g));
        lines.push_back(word);
    }
    std::sort(lines.begin(), lines.begin() + 800);   // the last third stays out of order
    folder.WriteLines("Spell.txt", lines);
    int16_t status = -99;
    LoadSpellTables(status);
    ASSERT_EQ(status, 0);
    for (const std::string& line : lines)
        for (int s = 1; s <= LetterSlotCount; s++) {
            WordField w = Word(line);
            int32_t start = SpellTables.LetterStart[s];
            ASSERT_EQ(ScanMainList(w, start), LiteralScan(w, start)) << line << " slot " << s;
        }
}

} // namespace
