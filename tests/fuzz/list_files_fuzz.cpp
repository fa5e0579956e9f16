// The four word-list files from arbitrary bytes, loaded as at a program's first check, then the words
// after them looked up as the dialogs do.
// Input: Spell.txt, Local.txt, Misspell.txt and Prefix.txt, each ended by a backslash and one more
// byte (a doubled backslash stands for one backslash), then the typed words, one per line.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "list_folder.h"
#include "typed_check.h"
#include "word_lists.h"

namespace {

const char* const ListNames[] = {"Spell.txt", "Local.txt", "Misspell.txt", "Prefix.txt"};
const int MostLookups = 8;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static ListFolder* folder = new ListFolder();   // one folder for the whole run
    FuzzedDataProvider input(data, size);
    for (const char* name : ListNames)
        folder->WriteFile(name, input.ConsumeRandomLengthString(size));
    ResetSpellTablesForTesting();

    std::istringstream words(input.ConsumeRemainingBytesAsString());
    std::string word;
    for (int i = 0; i < MostLookups && std::getline(words, word); i++)
        CheckTypedTextForFuzzing(word);
    return 0;
}
