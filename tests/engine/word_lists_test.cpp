#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "list_files.h"
#include "list_folder.h"
#include "spell_tables.h"
#include "word_lists.h"

namespace {

int16_t Load()
{
    int16_t status = -99;
    LoadSpellTables(status);
    return status;
}

// The entries held by each of the four tables.
void ExpectTableCounts(int32_t main, int32_t local, int32_t misspell, int16_t prefix)
{
    EXPECT_EQ(SpellTables.MainCount, main);
    EXPECT_EQ(SpellTables.LocalCount, local);
    EXPECT_EQ(SpellTables.MisspellCount, misspell);
    EXPECT_EQ(SpellTables.PrefixCount, prefix);
}

std::string PrefixFrom(int row)
{
    return std::string(SpellTables.PrefixFrom[row], PrefixTextWidth);
}

std::string PrefixTo(int row)
{
    return std::string(SpellTables.PrefixTo[row], PrefixTextWidth);
}

// Columns 1..5, the from-text in 6..17, columns 18..19, the to-text in 20..31.
std::string PrefixLine(const std::string& lead, const std::string& from, const std::string& gap,
                       const std::string& to)
{
    return lead + from + std::string(12 - from.size(), ' ') + gap + to + std::string(12 - to.size(), ' ');
}

// "w000000", "w000001", ...: sorted, all with the same initial.
std::string NumberedWord(int i)
{
    std::string digits = std::to_string(i);
    return "w" + std::string(6 - digits.size(), '0') + digits;
}

std::string NumberedLines(int count)
{
    std::string bytes;
    for (int i = 0; i < count; i++)
        bytes += NumberedWord(i) + "\n";
    return bytes;
}

TEST(MainList, LetterStartPointsAtTheFirstWordOfEachInitial)
{
    ListFolder folder;
    folder.WriteLines("Spell.txt", {"Aaron", "Abel", "apple", "axe"});
    EXPECT_EQ(Load(), 0);
    EXPECT_EQ(SpellTables.MainCount, 4);
    EXPECT_EQ(SpellTables.LetterStart[1], 1);
    EXPECT_EQ(SpellTables.LetterStart[27], 3);
    for (int s = 1; s <= LetterSlotCount; s++) {
        if (s != 27) {
            EXPECT_EQ(SpellTables.LetterStart[s], 1) << "slot " << s;
        }
    }
    EXPECT_EQ(Text(SpellTables.MainWords[3]), "apple");
}

TEST(MainList, LinesAreKeptAsTheirFirst32Characters)
{
    ListFolder folder;
    std::string forty = "b" + std::string(39, 'c');
    folder.WriteFile("Spell.txt", "a\r\n" + forty + "\r\nd");
    EXPECT_EQ(Load(), 0);
    ASSERT_EQ(SpellTables.MainCount, 3);
    EXPECT_EQ(Text(SpellTables.MainWords[1]), "a");
    EXPECT_EQ(Text(SpellTables.MainWords[2]), forty.substr(0, 32));
    EXPECT_EQ(Text(SpellTables.MainWords[3]), "d");
    EXPECT_EQ(SpellTables.LetterStart[LetterSlot('d')], 3);
}

TEST(MainList, LinesWithoutALetterSlotFailTheLoad)
{
    ListFolder folder;
    folder.WriteLines("Spell.txt", {"apple", "9lives", "zoo"});
    EXPECT_EQ(Load(), 1);
    EXPECT_EQ(SpellTables.MainCount, 2);   // the failing line stays stored and counted

    folder.WriteLines("Spell.txt", {"apple", "", "zoo"});
    EXPECT_EQ(Load(), 1);
    EXPECT_EQ(SpellTables.MainCount, 2);

    folder.WriteLines("Spell.txt", {"apple", "'tis"});
    EXPECT_EQ(Load(), 1);
    folder.WriteLines("Spell.txt", {"apple", "\xe9t\xe9"});
    EXPECT_EQ(Load(), 1);

    // The same initial as the line before is not tested again.
    folder.WriteLines("Spell.txt", {"apple", "a", "a b"});
    EXPECT_EQ(Load(), 0);
    EXPECT_EQ(SpellTables.MainCount, 3);
}

// A line that failed one load fails the next as well: the initial remembered from the failed load
// once let it pass.
TEST(MainList, ALineWithoutALetterSlotFailsEveryLoad)
{
    ListFolder folder;
    folder.WriteLines("Spell.txt", {"\xe9t\xe9", "apple"});
    EXPECT_EQ(Load(), 1);
    EXPECT_EQ(Load(), 1);
    EXPECT_EQ(Load(), 1);
}

// The byte order mark of a UTF-8 list is no part of its first word.
TEST(MainList, AUtf8ListLoadsInWindows1252WithoutItsByteOrderMark)
{
    ListFolder folder;
    folder.WriteFile("Spell.txt", "\xef\xbb\xbf" "apple\ncaf\xc3\xa9\ncaf\xc3\xa9s\n\xce\xbb\xcf\x8c\xce\xb3\xce\xbf\xcf\x82\nzoo\n");
    EXPECT_EQ(Load(), 0);
    EXPECT_EQ(Load(), 0);
    ASSERT_EQ(SpellTables.MainCount, 4);   // the Greek word is left out
    EXPECT_EQ(Text(SpellTables.MainWords[1]), "apple");
    EXPECT_EQ(Text(SpellTables.MainWords[2]), "caf\xe9");
    EXPECT_EQ(SpellTables.LetterStart[LetterSlot('a')], 1);
    EXPECT_EQ(SpellTables.LetterStart[LetterSlot('z')], 4);
}

// A main list that yields no word, or whose lines hold control characters (a file with carriage
// returns alone for line ends reads as one line), fails the load as a damaged one does.
TEST(MainList, AListWithoutWordsOrWithControlCharactersFailsTheLoad)
{
    ListFolder folder;
    const std::string damaged[] = {"", "\n\n\n", "  \n", " apple\n", "apple\rbanana\rcherry\r",
                                   "apple\nbanana\tnoun\n", std::string("apple\nb\0\0\n", 10)};
    for (const std::string& bytes : damaged) {
        folder.WriteFile("Spell.txt", bytes);
        EXPECT_EQ(Load(), 1) << bytes;
        char failed[ListPathWidth];
        FailedListPath(failed);
        EXPECT_EQ(std::string(failed, 23), "C:\\ZOLT\\SPELL\\Spell.txt") << bytes;
    }
    folder.WriteFile("Spell.txt", "apple\r\nbanana\r\n");
    EXPECT_EQ(Load(), 0);
}

TEST(MainList, AnEmptyFirstLineAtTheFirstLoadIsABlankWord)
{
    ListFolder folder;
    folder.WriteLines("Spell.txt", {"", "apple"});
    EXPECT_EQ(Load(), 0);
    EXPECT_EQ(SpellTables.MainCount, 2);
    EXPECT_EQ(Text(SpellTables.MainWords[1]), "");
    EXPECT_EQ(SpellTables.LetterStart[LetterSlot('a')], 2);
}

TEST(MainList, MoreThanTheCapacityFailsAndKeepsTheFirstLines)
{
    ListFolder folder;
    folder.WriteFile("Spell.txt", NumberedLines(MainCapacity + 1));
    EXPECT_EQ(Load(), 1);
    EXPECT_EQ(SpellTables.MainCount, MainCapacity);
    EXPECT_EQ(Text(SpellTables.MainWords[MainCapacity]), NumberedWord(MainCapacity - 1));

    folder.WriteFile("Spell.txt", NumberedLines(MainCapacity));
    EXPECT_EQ(Load(), 0);
    EXPECT_EQ(SpellTables.MainCount, MainCapacity);
}

TEST(MainList, MissingSpellListStillLoadsTheOtherThree)
{
    ListFolder folder;
    folder.WriteLines("Local.txt", {"Foo"});
    folder.WriteLines("Misspell.txt", {"$receive", "recieve"});
    folder.WriteLines("Prefix.txt", {PrefixLine("     ", "ph", "  ", "f")});
    EXPECT_EQ(Load(), 2);
    ExpectTableCounts(0, 1, 2, 1);
}

TEST(MainList, MissingSideFilesLeaveTheirTablesEmpty)
{
    ListFolder folder;
    folder.WriteLines("Local.txt", {"Foo"});
    folder.WriteLines("Misspell.txt", {"$receive", "recieve"});
    folder.WriteLines("Spell.txt", {"apple"});
    EXPECT_EQ(Load(), 0);
    folder.Remove("Local.txt");
    folder.Remove("Misspell.txt");
    EXPECT_EQ(Load(), 0);
    ExpectTableCounts(1, 0, 0, 0);
}

TEST(MainList, AListThatOpensButCannotBeReadFailsTheLoad)
{
#ifdef _WIN32
    GTEST_SKIP() << "a folder opens as a file only where the system reads folders as files";
#else
    // A folder in the list's place opens, and every read of it fails. Whichever list it is, the load
    // fails with the read's error number and names that list, as for a main list that is missing.
    for (const char* name : {"Spell.txt", "Local.txt", "Misspell.txt", "Prefix.txt"}) {
        ListFolder folder;
        for (const char* other : {"Spell.txt", "Local.txt", "Misspell.txt", "Prefix.txt"})
            folder.WriteLines(other, {"apple"});
        folder.Remove(name);
        std::filesystem::create_directory(folder.PathOf(name));
        EXPECT_GT(Load(), 1) << name;
        char failed[ListPathWidth];
        FailedListPath(failed);
        EXPECT_EQ(std::string(failed, ListPathWidth).substr(0, 14 + std::string(name).size()),
                  std::string("C:\\ZOLT\\SPELL\\") + name) << name;
        // Once the folder is a file again, the next load succeeds.
        std::filesystem::remove(folder.PathOf(name));
        folder.WriteLines(name, {"apple"});
        EXPECT_EQ(Load(), 0) << name;
    }
#endif
}

TEST(LocalList, ReloadReadsTheFileAgainAndIgnoresLinesBeyondTheCapacity)
{
    ListFolder folder;
    int16_t status = -99;
    ReloadLocalWords(status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(SpellTables.LocalCount, 0);

    folder.WriteFile("Local.txt", "Foo\r\nbar\r\n");
    ReloadLocalWords(status);
    EXPECT_EQ(status, 0);
    ASSERT_EQ(SpellTables.LocalCount, 2);
    EXPECT_TRUE(SameWord(SpellTables.LocalWords[1], Word("Foo")));   // no carriage return kept

    folder.WriteFile("Local.txt", NumberedLines(LocalCapacity + 1));
    status = -99;
    ReloadLocalWords(status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(SpellTables.LocalCount, LocalCapacity);
    EXPECT_EQ(Text(SpellTables.LocalWords[LocalCapacity]), NumberedWord(LocalCapacity - 1));

    folder.Remove("Local.txt");
    ReloadLocalWords(status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(SpellTables.LocalCount, 0);
}

// Words of a UTF-8 local list are kept in Windows-1252, and those it cannot hold are left out and not
// counted.
TEST(LocalList, Utf8WordsOutsideWindows1252AreLeftOut)
{
    ListFolder folder;
    folder.WriteFile("Local.txt", "\xef\xbb\xbf" "caf\xc3\xa9\r\n\xce\xbb\xcf\x8c\xce\xb3\xce\xbf\xcf\x82\r\nisn\xe2\x80\x99t\r\n");
    int16_t status = -99;
    ReloadLocalWords(status);
    EXPECT_EQ(status, 0);
    ASSERT_EQ(SpellTables.LocalCount, 2);
    EXPECT_EQ(Text(SpellTables.LocalWords[1]), "caf\xe9");
    EXPECT_EQ(Text(SpellTables.LocalWords[2]), "isn't");
}

// A correction that a UTF-8 table of misspellings cannot give in Windows-1252 is left out with its
// misspellings, which would otherwise fall to the correction above it.
TEST(Misspellings, ACorrectionLeftOutTakesItsMisspellingsWithIt)
{
    ListFolder folder;
    folder.WriteLines("Misspell.txt", {"$receive", "recieve", "$\xce\xbb\xce\xbf", "lamda", "$caf\xc3\xa9", "caffe",
                                       "cof\xce\xbb", "kafe"});
    int16_t status = -99;
    LoadMisspellings(status);
    EXPECT_EQ(status, 0);
    std::vector<std::string> lines;
    for (int32_t i = 1; i <= SpellTables.MisspellCount; i++)
        lines.push_back(Text(SpellTables.MisspellLines[i]));
    EXPECT_EQ(lines, (std::vector<std::string>{"$receive", "recieve", "$caf\xe9", "caffe", "kafe"}));
}

TEST(Misspellings, LinesBeyondTheCapacityAreDropped)
{
    ListFolder folder;
    folder.WriteFile("Misspell.txt", "$a\n" + NumberedLines(MisspellCapacity));
    int16_t status = -99;
    LoadMisspellings(status);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(SpellTables.MisspellCount, MisspellCapacity);
    folder.Remove("Misspell.txt");
    LoadMisspellings(status);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(SpellTables.MisspellCount, 0);
}

TEST(PrefixTable, FixedColumnsCommentsAndCapacity)
{
    ListFolder folder;
    std::vector<std::string> lines = {"# a comment", PrefixLine("1234 ", "ph", "xx", "f") + "ignored", ""};
    for (int i = 0; i < 70; i++) {
        lines.push_back("#");
        lines.push_back(PrefixLine("     ", NumberedWord(i), "  ", "to"));
    }
    folder.WriteLines("Prefix.txt", lines);
    int16_t status = -99;
    LoadPrefixTable(status);
    EXPECT_EQ(status, 1);
    ASSERT_EQ(SpellTables.PrefixCount, 64);
    EXPECT_EQ(PrefixFrom(1), "ph          ");
    EXPECT_EQ(SpellTables.PrefixFromLength[1], 2);
    EXPECT_EQ(PrefixTo(1), "f           ");
    EXPECT_EQ(SpellTables.PrefixToLength[1], 1);
    EXPECT_EQ(SpellTables.PrefixFromLength[2], 0);   // a blank line is an entry
    EXPECT_EQ(SpellTables.PrefixToLength[2], 0);
    EXPECT_EQ(PrefixFrom(64), NumberedWord(61) + "     ");
    EXPECT_EQ(PrefixTo(64), "to          ");

    // Texts reach column 17 and column 31 exactly; nothing beyond them is read.
    folder.WriteLines("Prefix.txt", {"     abcdefghijklXXmnopqrstuvwxZZZ"});
    LoadPrefixTable(status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(PrefixFrom(1), "abcdefghijkl");
    EXPECT_EQ(SpellTables.PrefixFromLength[1], 12);
    EXPECT_EQ(PrefixTo(1), "mnopqrstuvwx");
}

} // namespace
