#include <gtest/gtest.h>

#include <cstring>
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
    EXPECT_EQ(Check("hello"), 0);
    EXPECT_EQ(Check("Hello"), 0);
    EXPECT_EQ(Check("HELLO"), 0);
    EXPECT_EQ(Check("hELLO"), 1);
    EXPECT_EQ(Check("Paris"), 0);
    EXPECT_EQ(Check("PARIS"), 0);
    EXPECT_EQ(Check("paris"), 1);
    EXPECT_EQ(Check("NASA"), 0);
    EXPECT_EQ(Check("Nasa"), 1);
    EXPECT_EQ(Check("nasa"), 1);
    EXPECT_EQ(Check("hell"), 1);
    EXPECT_EQ(Check("hellos"), 1);
    EXPECT_EQ(Check("zzz"), 1);
}

TEST(WordCheck, LocalWordsMatchInTheirOwnCaseOnly)
{
    ListFolder folder;
    folder.WriteLines("Spell.txt", {"apple"});
    folder.WriteFile("Local.txt", "Foo\r\n9lives\r\n");
    EXPECT_EQ(Check("Foo"), 0);
    EXPECT_EQ(Check("FOO"), 1);
    EXPECT_EQ(Check("foo"), 1);
    EXPECT_EQ(Check("9lives"), 0);
    EXPECT_EQ(Check("8lives"), 1);
}

TEST(WordCheck, IgnoredWordsMatchInAnyCase)
{
    ListFolder folder;
    folder.WriteLines("Spell.txt", {"apple"});
    EXPECT_EQ(Ignore("Qwerty"), 0);
    EXPECT_EQ(Check("qwerty"), 0);
    EXPECT_EQ(Check("QWERTY"), 0);
    EXPECT_EQ(Check("qwert"), 1);
    EXPECT_EQ(Check("'tis"), 1);
    EXPECT_EQ(Ignore("'tis"), 0);
    EXPECT_EQ(Check("'TIS"), 0);
    EXPECT_EQ(Check(""), 1);
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
    EXPECT_EQ(Check("apple"), 0);
    EXPECT_EQ(Check(""), 1);
    EXPECT_EQ(Check("2nd"), 1);
    EXPECT_EQ(Check(" apple"), 1);
}

TEST(WordCheck, ScanStartsAtTheInitialAndStopsAtTheFirstGreaterEntry)
{
    ListFolder folder;
    // Out of order: the 'c' start is the last run of 'c' words, so 'cat' before 'dog' is never reached.
    folder.WriteLines("Spell.txt", {"Xeno", "cat", "dog", "cab", "egg"});
    EXPECT_EQ(Check("cab"), 0);
    EXPECT_EQ(Check("cat"), 1);
    EXPECT_EQ(Check("dog"), 0);
    EXPECT_EQ(Check("egg"), 0);
    // 'b' begins no word: its scan starts at the top and stops at 'cat'.
    EXPECT_EQ(Check("Xeno"), 0);
    EXPECT_EQ(Check("bee"), 1);
}

TEST(WordCheck, WithoutTheMainListEveryWordGetsTheErrorNumber)
{
    ListFolder folder;
    folder.WriteLines("Local.txt", {"Foo"});
    EXPECT_EQ(Ignore("Qwerty"), 0);
    EXPECT_EQ(Check("Foo"), 2);
    EXPECT_EQ(Check("qwerty"), 2);
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
    EXPECT_EQ(Check("apple"), 1);
    EXPECT_EQ(Check("apple"), 1);
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
