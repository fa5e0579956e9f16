#include <gtest/gtest.h>

#include "list_folder.h"
#include "word_check.h"

namespace {

int16_t Check(const std::string& text)
{
    int16_t status = -99;
    CheckWord(Word(text), status);
    return status;
}

TEST(WordCheck, CaseFormsOfMainListWords)
{
    ListFolder folder;
    folder.WriteLines("Spell.txt", {"NASA", "Paris", "hello"});
    EXPECT_EQ(Check("hello"), 0);
    EXPECT_EQ(Check("Hello"), 0);
    EXPECT_EQ(Check("HELLO"), 0);
    EXPECT_EQ(Check("hELLO"), 1);
}

} // namespace
