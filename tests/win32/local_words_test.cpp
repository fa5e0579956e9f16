#include <gtest/gtest.h>

#include <string>

#include "local_words.h"
#include "spell_fixture.h"
#include "spell_tables.h"
#include "word_check.h"

namespace {

using LocalWords = SpellFixture;

int16_t Check(const std::string& word)
{
    int16_t status = -99;
    CheckWord(Word(word), status);
    return status;
}

// Word Add writes the word as the list is written: UTF-8 in a list of UTF-8 (with or without the byte
// order mark), Windows-1252 in a list of Windows-1252, and in a new or empty list; the word is known at once.
TEST_F(LocalWords, WordAddWritesInTheListsOwnEncoding)
{
    struct Case {
        const char* before;   // null: no Local.txt
        const char* after;
    };
    const Case cases[] = {
        {"na\xc3\xafve\r\n", "na\xc3\xafve\r\ncaf\xc3\xa9\r\n"},
        {"\xef\xbb\xbf" "alpha", "\xef\xbb\xbf" "alpha\r\ncaf\xc3\xa9\r\n"},
        {"na\xefve\r\n", "na\xefve\r\ncaf\xe9\r\n"},
        {"", "caf\xe9\r\n"},
        {nullptr, "caf\xe9\r\n"},
    };
    for (const Case& c : cases) {
        if (c.before == nullptr)
            folder.Remove("Local.txt");
        else
            folder.WriteFile("Local.txt", c.before);
        messages.Clear();
        messages.Answer("Word Add", {IDYES});
        EXPECT_EQ(OfferLocalWord(nullptr, "caf\xe9"), 1);
        EXPECT_EQ(folder.ReadFile("Local.txt"), c.after) << (c.before != nullptr ? c.before : "(none)");
        EXPECT_EQ(Check("caf\xe9"), 0);
        ASSERT_EQ(messages.Shown().size(), 2u);
        EXPECT_EQ(messages.Shown()[0].text, u8"OK to ADD caf\u00e9 to the Local Dictionary?");
        EXPECT_EQ(messages.Shown()[1].caption, "Word Added OK");
    }
}

// A word appended to a full list would never be loaded: Word Add says so, asks nothing and appends
// nothing.
TEST_F(LocalWords, AFullListTakesNoWord)
{
    std::string full;
    for (int i = 0; i < LocalCapacity; i++)
        full += "w" + std::to_string(100000 + i) + "\r\n";
    folder.WriteFile("Local.txt", full);
    EXPECT_EQ(OfferLocalWord(nullptr, "wrod"), 1);
    EXPECT_EQ(folder.ReadFile("Local.txt"), full);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, "The Local Dictionary is full: it holds 32000 words, and wrod was not added.");
    EXPECT_EQ(messages.Shown()[0].caption, "Unable to Add this word");

    // One word less, and the word goes in as the list's last.
    folder.WriteFile("Local.txt", full.substr(full.find('\n') + 1));
    messages.Clear();
    messages.Answer("Word Add", {IDYES});
    EXPECT_EQ(OfferLocalWord(nullptr, "wrod"), 1);
    EXPECT_EQ(SpellTables.LocalCount, LocalCapacity);
    EXPECT_EQ(Check("wrod"), 0);
}

} // namespace
