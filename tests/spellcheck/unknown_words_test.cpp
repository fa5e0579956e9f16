// The unknown words of a line for the marks under them, and a suggestion in the document's form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document_form.h"
#include "list_folder.h"
#include "scan_text.h"
#include "unknown_words.h"

namespace {

// "start+length" of each unknown word of a line given in UTF-16, the word at `spared` passed over.
std::vector<std::string> Unknown(const std::u16string& text, int32_t spared = -1, int32_t capacity = 16)
{
    std::wstring wide(text.begin(), text.end());
    std::string scan(wide.size() + 1, '\0');
    ScanTextFromUtf16(wide.c_str(), static_cast<int32_t>(wide.size()), &scan[0]);
    WordPlace places[16];
    int32_t count = FindUnknownWords(scan.c_str(), static_cast<int32_t>(wide.size()), spared, places, capacity);
    std::vector<std::string> found;
    if (count == NoVerdict)
        found.push_back("no verdict");
    for (int32_t i = 0; i < count; i++)
        found.push_back(std::to_string(places[i].start) + "+" + std::to_string(places[i].length));
    return found;
}

class UnknownWords : public ::testing::Test {
protected:
    UnknownWords()
    {
        folder.WriteLines("Spell.txt", {"This", "a", "doesn't", "is", "text", "the", "with", "word"});
    }
    ListFolder folder;
};

TEST_F(UnknownWords, AreThoseTheRunWouldStopAt)
{
    EXPECT_EQ(Unknown(u"This is teh text with a wrng word."), (std::vector<std::string>{"8+3", "24+4"}));
    // Capitalised known words, the typographic apostrophe, a 40-letter run checked as its first 32 letters.
    EXPECT_EQ(Unknown(u"The text doesn\u2019t dosen\u2019t"), (std::vector<std::string>{"17+7"}));
    EXPECT_EQ(Unknown(u"a " + std::u16string(40, u'x') + u" word"), (std::vector<std::string>{"2+32"}));
    EXPECT_TRUE(Unknown(u"").empty());
}

TEST_F(UnknownWords, TheWordBeingTypedIsPassedOver)
{
    const std::u16string line = u"teh wrng";
    EXPECT_EQ(Unknown(line, 8), (std::vector<std::string>{"0+3"}));   // just behind "wrng"
    EXPECT_EQ(Unknown(line, 4), (std::vector<std::string>{"0+3"}));   // before its first letter
    EXPECT_EQ(Unknown(line, 3), (std::vector<std::string>{"4+4"}));   // just behind "teh"
    EXPECT_EQ(Unknown(line, 0), (std::vector<std::string>{"4+4"}));
    // The caret in the blank of "teh  wrng" touches neither.
    EXPECT_EQ(Unknown(u"teh  wrng", 4), (std::vector<std::string>{"0+3", "5+4"}));
}

TEST_F(UnknownWords, StopAtTheCapacity)
{
    EXPECT_EQ(Unknown(u"qq ww ee rr", -1, 2), (std::vector<std::string>{"0+2", "3+2"}));
}

TEST_F(UnknownWords, WithoutWordListsNoWordHasAVerdict)
{
    folder.Remove("Spell.txt");
    EXPECT_EQ(Unknown(u"This is teh text"), (std::vector<std::string>{"no verdict"}));
}

TEST(DocumentForm, KeepsTheReplacedWordsApostrophe)
{
    wchar_t out[32];
    DocumentFormOf("doesn't", L"dosen\u2019t", 7, out, 32);
    EXPECT_EQ(std::wstring(out), L"doesn\u2019t");
    DocumentFormOf("doesn't", L"dosen't", 7, out, 32);
    EXPECT_EQ(std::wstring(out), L"doesn't");
    DocumentFormOf("caf\xE9", L"cafe", 4, out, 32);
    EXPECT_EQ(std::wstring(out), L"caf\u00E9");
}

} // namespace
