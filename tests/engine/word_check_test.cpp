#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>

#include "list_folder.h"
#include "spell_tables.h"
#include "word_check.h"

namespace {

int16_t Check(const std::string& text)
{
    int16_t status = -99;
    CheckWord(Word(text), status);
    return status;
}

int16_t Ignore(const std::string& text)
{
    int16_t status = -99;
    AddIgnoredWord(Word(text), status);
    return status;
}

struct Verdict {
    const char* word;
    int16_t status;
};

// Checks the words in the order given (a check may load the lists); a failure names its word.
void ExpectVerdicts(std::initializer_list<Verdict> verdicts)
{
    for (const Verdict& v : verdicts)
        EXPECT_EQ(Check(v.word), v.status) << "word \"" << v.word << "\"";
}

struct Correction {
    int16_t status;
    std::string text;
};

Correction Lookup(const std::string& text)
{
    char correction[WordWidth];
    std::memset(correction, 'x', sizeof correction);
    int16_t status = -99;
    LookupMisspelling(Word(text), correction, status);
    const void* end = std::memchr(correction, 0, sizeof correction);
    size_t length = end ? static_cast<size_t>(static_cast<const char*>(end) - correction) : sizeof correction;
    return {status, std::string(correction, length)};
}

TEST(WordCheck, CaseFormsOfMainListWords)
{
    ListFolder folder;
    folder.WriteLines("Spell.txt", {"NASA", "Paris", "hello"});
    ExpectVerdicts({{"hello", 0}, {"Hello", 0}, {"HELLO", 0}, {"hELLO", 1},
                    {"Paris", 0}, {"PARIS", 0}, {"paris", 1},
                    {"NASA", 0}, {"Nasa", 1}, {"nasa", 1},
                    {"hell", 1}, {"hellos", 1}, {"zzz", 1}});
}

TEST(WordCheck, LocalWordsMatchInTheirOwnCaseOnly)
{
    ListFolder folder;
    folder.WriteLines("Spell.txt", {"apple"});
    folder.WriteFile("Local.txt", "Foo\r\n9lives\r\n");
    ExpectVerdicts({{"Foo", 0}, {"FOO", 1}, {"foo", 1}, {"9lives", 0}, {"8lives", 1}});
}

TEST(WordCheck, IgnoredWordsMatchInAnyCase)
{
    ListFolder folder;
    folder.WriteLines("Spell.txt", {"apple"});
    EXPECT_EQ(Ignore("Qwerty"), 0);
    ExpectVerdicts({{"qwerty", 0}, {"QWERTY", 0}, {"qwert", 1}, {"'tis", 1}});
    EXPECT_EQ(Ignore("'tis"), 0);
    ExpectVerdicts({{"'TIS", 0}, {"", 1}});
    EXPECT_EQ(Ignore(""), 0);
    EXPECT_EQ(Check(""), 0);
}

TEST(WordCheck, TheIgnoreAllListHoldsAtMost4096Words)
{
    ListFolder folder;
    folder.WriteLines("Spell.txt", {"apple"});
    for (int i = 1; i <= IgnoredCapacity; i++)
        ASSERT_EQ(Ignore("w" + std::to_string(i)), 0);
    EXPECT_EQ(Ignore("last"), 1);
    EXPECT_EQ(SpellTables.IgnoredCount, IgnoredCapacity);
    EXPECT_EQ(Check("w4096"), 0);
    EXPECT_EQ(Check("last"), 1);
}

TEST(WordCheck, WordsWithoutALetterSlotAreUnknown)
{
    ListFolder folder;
    folder.WriteLines("Spell.txt", {"", "apple"});   // a blank first entry, accepted at the first load
    ExpectVerdicts({{"apple", 0}, {"", 1}, {"2nd", 1}, {" apple", 1}});
}

TEST(WordCheck, ScanStartsAtTheInitialAndStopsAtTheFirstGreaterEntry)
{
    ListFolder folder;
    // Out of order: the 'c' start is the last run of 'c' words, so 'cat' before 'dog' is never reached.
    folder.WriteLines("Spell.txt", {"Xeno", "cat", "dog", "cab", "egg"});
    ExpectVerdicts({{"cab", 0}, {"cat", 1}, {"dog", 0}, {"egg", 0}});
    // 'b' begins no word: its scan starts at the top and stops at 'cat'.
    ExpectVerdicts({{"Xeno", 0}, {"bee", 1}});
}

TEST(WordCheck, WithoutTheMainListEveryWordGetsTheErrorNumber)
{
    ListFolder folder;
    folder.WriteLines("Local.txt", {"Foo"});
    EXPECT_EQ(Ignore("Qwerty"), 0);
    ExpectVerdicts({{"Foo", 2}, {"qwerty", 2}});
    EXPECT_EQ(SpellTables.TablesLoaded, 0);
    // Each later check loads again, so the list is found once it appears.
    folder.WriteLines("Spell.txt", {"apple"});
    EXPECT_EQ(Check("apple"), 0);
    EXPECT_EQ(SpellTables.TablesLoaded, 1);
}

TEST(WordCheck, AFailedLoadIsRetriedAndASuccessfulOneIsNot)
{
    ListFolder folder;
    folder.WriteLines("Spell.txt", {"apple", "", "zoo"});
    ExpectVerdicts({{"apple", 1}, {"apple", 1}});
    folder.WriteLines("Spell.txt", {"apple", "zoo"});
    EXPECT_EQ(Check("apple"), 0);
    folder.WriteLines("Spell.txt", {"banana"});
    EXPECT_EQ(Check("banana"), 1);   // the list is not read again
    EXPECT_EQ(Check("zoo"), 0);
}

TEST(Misspellings, CorrectionsComeFromTheGroupAbove)
{
    ListFolder folder;
    folder.WriteLines("Spell.txt", {"apple"});
    folder.WriteLines("Misspell.txt", {"orphan", "$receive", "recieve", "receeve", "$a lot", "alot",
                                       "$Tuesday", "tusday", "$deceive", "recieve"});
    EXPECT_EQ(Lookup("recieve").status, 1);   // nothing is found before the lists are loaded
    EXPECT_EQ(Check("recieve"), 1);

    Correction c = Lookup("recieve");
    EXPECT_EQ(c.status, 0);
    EXPECT_EQ(c.text, "receive");               // the first group wins
    EXPECT_EQ(Lookup("Recieve").text, "Receive");
    EXPECT_EQ(Lookup("RECIEVE").text, "Receive");
    EXPECT_EQ(Lookup("receeve").text, "receive");
    EXPECT_EQ(Lookup("ALOT").text, "A lot");
    EXPECT_EQ(Lookup("tusday").text, "Tuesday");

    c = Lookup("receive");
    EXPECT_EQ(c.status, 1);
    EXPECT_EQ(c.text, "");
    EXPECT_EQ(Lookup("orphan").status, 1);      // above the first "$" line
    EXPECT_EQ(Lookup("$receive").status, 1);    // the first "$" line has no group above it
}

TEST(Misspellings, AThirtyOneCharacterCorrectionIsTerminatedAtTheEnd)
{
    ListFolder folder;
    folder.WriteLines("Spell.txt", {"apple"});
    std::string longest(31, 'k');
    folder.WriteLines("Misspell.txt", {"$" + longest, "kk"});
    EXPECT_EQ(Check("kk"), 1);
    Correction c = Lookup("kk");
    EXPECT_EQ(c.status, 0);
    EXPECT_EQ(c.text, longest);
}

} // namespace
