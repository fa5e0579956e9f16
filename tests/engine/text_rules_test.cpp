#include <gtest/gtest.h>

#include <string>

#include "list_folder.h"
#include "word_field.h"

namespace {

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

int Compare(const std::string& a, const std::string& b)
{
    return Sign(CompareWords(Word(a), Word(b)));
}

TEST(TextRules, CompareIsUnsignedBytewiseWithBlankPadding)
{
    EXPECT_EQ(Compare("cat", "cats"), -1);
    EXPECT_EQ(Compare("cats", "cat"), 1);
    EXPECT_EQ(Compare("cat   ", "cat"), 0);
    EXPECT_EQ(Compare("Zulu", "apple"), -1);
    EXPECT_EQ(Compare("caf\xe9", "cafz"), 1);       // bytes above 127 sort after every letter
    EXPECT_EQ(Compare("cat\t", "cat"), -1);         // a tab is smaller than the padding blank
    EXPECT_EQ(Compare("cat", "cat\t"), 1);
    EXPECT_EQ(Compare("\xe9t\xe9", "zebra"), 1);
    EXPECT_TRUE(SameWord(Word("cat"), Word("cat ")));
}

TEST(TextRules, TrimmedLengthCountsOnlyBlanksAsPadding)
{
    EXPECT_EQ(TrimmedLength(Word("")), 0);
    EXPECT_EQ(TrimmedLength(Word("a b\r ")), 4);
}

// The letters of Windows-1252 that have another case change; digits, punctuation, the signs × and ÷,
// and ß (no upper case of its own) stay.
TEST(TextRules, ChangeCaseTouchesTheLettersOfWindows1252Only)
{
    char text[] = "abZ9\xe9\xc9'{\xd7\xf7\xdf\x9a\x8c\xff\x9f\xde\xfe\x81";
    const int n = static_cast<int>(sizeof text - 1);
    ChangeCase(UpperCaseMode, text, n);
    EXPECT_STREQ(text, "ABZ9\xc9\xc9'{\xd7\xf7\xdf\x8a\x8c\x9f\x9f\xde\xde\x81");
    ChangeCase(LowerCaseMode, text, n);
    EXPECT_STREQ(text, "abz9\xe9\xe9'{\xd7\xf7\xdf\x9a\x9c\xff\xff\xfe\xfe\x81");
    ChangeCase(2, text, n);   // any other mode
    EXPECT_STREQ(text, "abz9\xe9\xe9'{\xd7\xf7\xdf\x9a\x9c\xff\xff\xfe\xfe\x81");
}

TEST(TextRules, LetterSlots)
{
    EXPECT_EQ(LetterSlot('A'), 1);
    EXPECT_EQ(LetterSlot('Z'), 26);
    EXPECT_EQ(LetterSlot('a'), 27);
    EXPECT_EQ(LetterSlot('z'), 52);
    EXPECT_EQ(LetterSlot('['), 21);    // 91..96 share the slots of 'U'..'Z'
    EXPECT_EQ(LetterSlot('`'), 26);
    for (int b : {32, 48, 57, 39, 64, 123, 126, 0xe9, 0xff}) {   // blank, digits, apostrophe, '@', '{', '~', high bytes
        int slot = LetterSlot(static_cast<unsigned char>(b));
        EXPECT_TRUE(slot < 1 || slot > 52) << "byte " << int(b);
    }
}

} // namespace
