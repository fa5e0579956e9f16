#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "list_folder.h"
#include "spell_tables.h"
#include "suggest_words.h"
#include "suggestion_list.h"
#include "windows_1252.h"
#include "word_check.h"
#include "word_lists.h"

namespace {

std::string DataFile(const std::string& name)
{
    std::ifstream in(std::filesystem::path(PENMAR_DATA_DIR) / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> LinesOf(const std::string& bytes)
{
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < bytes.size()) {
        size_t end = bytes.find('\n', at);
        if (end == std::string::npos)
            end = bytes.size();
        lines.push_back(bytes.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

int16_t Check(const std::string& text)
{
    int16_t status = -99;
    CheckWord(Word(text), status);
    return status;
}

// The shipped lists, installed into a fresh list folder and loaded by the first check.
class DefaultLists : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"Spell.txt", "Local.txt", "Misspell.txt", "Prefix.txt"})
            folder.WriteFile(name, DataFile(name));
        ASSERT_EQ(Check("the"), 0);
    }
    ListFolder folder;
};

TEST_F(DefaultLists, MainListLoadsWholeStrictlySortedAndIndexed)
{
    std::vector<std::string> lines = LinesOf(DataFile("Spell.txt"));
    ASSERT_GT(lines.size(), 50000u);
    ASSERT_LE(lines.size(), static_cast<size_t>(MainCapacity));
    EXPECT_EQ(SpellTables.MainCount, static_cast<int32_t>(lines.size()));
    for (int32_t i = 1; i < SpellTables.MainCount; i++)
        ASSERT_LT(CompareWords(SpellTables.MainWords[i], SpellTables.MainWords[i + 1]), 0) << "entry " << i;
    // Words of letters (accented ones in Windows-1252 among them) and apostrophes, every one with an
    // initial from A to Z, as the letter slots require.
    int accented = 0;
    for (const std::string& line : lines) {
        ASSERT_LE(line.size(), 32u) << line;
        ASSERT_TRUE(IsUpperLetter(line[0]) || IsLowerLetter(line[0])) << line;
        for (char c : line)
            ASSERT_TRUE(c == '\'' || Is1252Letter(static_cast<unsigned char>(c))) << line;
        accented += line.find_first_of("\xe0\xe7\xe8\xe9\xea\xf1\xf6\xfc") != std::string::npos;
    }
    EXPECT_GT(accented, 100);
    for (int s = 1; s <= LetterSlotCount; s++) {
        const WordField& first = SpellTables.MainWords[SpellTables.LetterStart[s]];
        EXPECT_EQ(LetterSlot(static_cast<unsigned char>(first.ch[0])), s) << "slot " << s;
    }
    EXPECT_EQ(SpellTables.LocalCount, 0);
    for (const char* word : {"The", "receive", "Receive", "RECEIVE", "don't", "America", "zebra", "Zulu", "caf\xe9",
                             "Caf\xe9", "CAF\xc9", "clich\xe9s", "fianc\xe9" "e", "entr\xe9" "e", "d\xe9" "butante"})
        EXPECT_EQ(Check(word), 0) << word;
}

TEST_F(DefaultLists, EveryMisspellingIsUnknownAndEveryCorrectionKnown)
{
    std::vector<std::string> lines = LinesOf(DataFile("Misspell.txt"));
    ASSERT_GT(lines.size(), 5000u);
    ASSERT_LE(lines.size(), static_cast<size_t>(MisspellCapacity));
    EXPECT_EQ(SpellTables.MisspellCount, static_cast<int32_t>(lines.size()));
    ASSERT_EQ(lines[0][0], '$');
    std::string correction;
    std::set<std::string> seen;
    int misspellings = 0;
    for (const std::string& line : lines) {
        if (line[0] == '$') {
            correction = line.substr(1);
            ASSERT_EQ(Check(correction), 0) << correction;
            continue;
        }
        ASSERT_EQ(Check(line), 1) << line;
        ASSERT_TRUE(seen.insert(line).second) << line << " is listed twice";
        if (misspellings++ % 25 != 0)
            continue;   // the look-up scans the whole table: a sample keeps the test quick
        char found[WordWidth];
        int16_t status = -99;
        LookupMisspelling(Word(line), found, status);
        ASSERT_EQ(status, 0) << line;
        ASSERT_EQ(std::string(found), correction) << line;
    }
}

TEST_F(DefaultLists, PrefixRowsAreComplete)
{
    ASSERT_GT(SpellTables.PrefixCount, 0);
    for (int r = 1; r <= SpellTables.PrefixCount; r++) {
        EXPECT_GT(SpellTables.PrefixFromLength[r], 0) << "row " << r;
        EXPECT_GT(SpellTables.PrefixToLength[r], 0) << "row " << r;
    }
    EXPECT_EQ(std::string(SpellTables.PrefixFrom[1], 2), "ph");
    EXPECT_EQ(std::string(SpellTables.PrefixTo[1], 2), "f ");
}

// The examples that Prefix.txt gives of its rows, "(typed -> suggested, ...)", are what the shipped lists
// suggest first for the typed words.
TEST_F(DefaultLists, PrefixExamplesAreWhatTheListsSuggestFirst)
{
    std::string description = DataFile("Prefix.txt");
    size_t open = description.find('(');
    size_t close = description.find(')', open);
    ASSERT_NE(close, std::string::npos);
    std::string examples = description.substr(open + 1, close - open - 1) + ", ";
    int checked = 0;
    for (size_t at = 0, end; (end = examples.find(", ", at)) != std::string::npos; at = end + 2) {
        std::string example = examples.substr(at, end - at);
        size_t arrow = example.find(" -> ");
        ASSERT_NE(arrow, std::string::npos) << example;
        WordField prepared;
        PrepareSuggestionWord(Word(example.substr(0, arrow)), prepared);
        SuggestWords(prepared);
        char first[WordWidth];
        GetSuggestion(1, first);
        EXPECT_EQ(std::string(first), example.substr(arrow + 4)) << example;
        checked++;
    }
    EXPECT_GE(checked, 2);
}

} // namespace
