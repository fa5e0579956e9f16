// A typed word, wildcards included, through the dialogs' check against the default word lists (every
// eighth word of the main list, which keeps a wildcard search under the sanitizers at a few
// milliseconds). Input: the text of the Word box.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "list_folder.h"
#include "typed_check.h"

namespace {

std::string DataFile(const char* name)
{
    std::ifstream in(std::filesystem::path(PENMAR_DATA_DIR) / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

const int MainListSampling = 8;

std::string EveryNthLine(const std::string& bytes, int n)
{
    std::istringstream in(bytes);
    std::string line, kept;
    for (int i = 0; std::getline(in, line); i++) {
        if (i % n == 0)
            kept += line + "\n";
    }
    return kept;
}

ListFolder* DefaultLists()
{
    ListFolder* folder = new ListFolder();
    folder->WriteFile("Spell.txt", EveryNthLine(DataFile("Spell.txt"), MainListSampling));
    for (const char* name : {"Local.txt", "Misspell.txt", "Prefix.txt"})
        folder->WriteFile(name, DataFile(name));
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Loaded at the first check and kept, as in the programs; the ignore-all list and the debug
    // listings' switch carry over from input to input as they do within a session.
    static ListFolder* lists = DefaultLists();
    (void)lists;
    CheckTypedTextForFuzzing(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
