// A typed word, wildcards included, through the dialogs' check against the default word lists, the whole
// main list. A word without wildcards then gets the same suggestions, with the same scores, as the
// word-for-word generation gives it. Input: the text of the Word box.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "fuzz_check.h"
#include "list_folder.h"
#include "literal_suggestions.h"
#include "spell_tables.h"
#include "suggest_words.h"
#include "suggestion_list.h"
#include "typed_check.h"
#include "wildcard_search.h"

namespace {

std::string DataFile(const char* name)
{
    std::ifstream in(std::filesystem::path(PENMAR_DATA_DIR) / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

ListFolder* DefaultLists()
{
    ListFolder* folder = new ListFolder();
    for (const char* name : {"Spell.txt", "Local.txt", "Misspell.txt", "Prefix.txt"})
        folder->WriteFile(name, DataFile(name));
    return folder;
}

// The suggestion texts and the slot scores, as the selection left them.
std::string Answer()
{
    std::string answer;
    for (int16_t r = 1; r <= SuggestionSlots; r++) {
        char text[WordWidth];
        GetSuggestion(r, text);
        answer += std::string(text) + "\t" + std::to_string(SpellTables.SuggestionList.slotScore[r]) + "\n";
    }
    return answer;
}

// The word-for-word generation knows no reserved words, and its plain wildcard match could take
// minutes on patterns of many stars: such words are left to the check alone.
void CompareWithWordForWord(const std::string& typed)
{
    WordField word;
    CopyToField(word.ch, WordWidth, typed.data(), static_cast<int>(typed.size()));
    if (HasWildcard(word) || typed.rfind("debugo", 0) == 0)
        return;
    WordField prepared;
    PrepareSuggestionWord(word, prepared);
    literal::SuggestWords(prepared);
    std::string expected = Answer();
    SuggestWords(prepared);
    FUZZ_CHECK(Answer() == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Loaded at the first check and kept, as in the programs; the ignore-all list and the debug
    // listings' switch carry over from input to input as they do within a session.
    static ListFolder* lists = DefaultLists();
    (void)lists;
    std::string typed(reinterpret_cast<const char*>(data), size);
    CheckTypedTextForFuzzing(typed);
    CompareWithWordForWord(typed);
    return 0;
}
