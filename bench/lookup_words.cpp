// Looks up words read from standard input, one per line, as the dialogs' Spell Check does, and prints
//   input<TAB>OK<TAB>word
//   input<TAB>Incorrect<TAB>suggestion|suggestion|...     (the correction alone for a listed misspelling)
//   input<TAB>Refused<TAB>message                         (an empty text, one longer than 31 characters,
//                                                          or a word list that cannot be loaded)
// One engine serves the whole run, so "debugon" and "debugoff" carry over from word to word.
//   lookup_words --dict DIR      (DIR holds Spell.txt, Local.txt, Misspell.txt and Prefix.txt)
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#define ProcessId() _getpid()
#else
#include <unistd.h>
#define ProcessId() ::getpid()
#endif

#include "list_files.h"
#include "typed_text_check.h"

namespace fs = std::filesystem;

namespace {

const char* ListFileNames[] = {"Spell.txt", "Local.txt", "Misspell.txt", "Prefix.txt"};

// The engine reads its lists from <root>/ZOLT/SPELL/; a scratch root links there to the folder given.
struct ListRoot {
    fs::path root;
    ~ListRoot()
    {
        std::error_code ignored;
        if (!root.empty())
            fs::remove_all(root, ignored);
    }
};

bool MakeListRoot(const fs::path& dict, ListRoot& made)
{
    std::error_code error;
    fs::path base = fs::temp_directory_path(error);
    if (error)
        return false;
    for (int attempt = 0; attempt < 100; attempt++) {
        fs::path candidate = base / ("lookup-words-" + std::to_string(ProcessId()) + "-" + std::to_string(attempt));
        if (fs::create_directory(candidate, error)) {
            made.root = candidate;
            break;
        }
    }
    if (made.root.empty())
        return false;
    fs::path spell = made.root / "ZOLT" / "SPELL";
    fs::create_directories(spell, error);
    if (error)
        return false;
    for (const char* name : ListFileNames) {
        fs::path source = fs::absolute(dict / name, error);
        if (error || !fs::exists(source))
            continue;   // a missing list reads as an empty one, as it would in the programs
        fs::create_symlink(source, spell / name, error);
        if (error)
            fs::copy_file(source, spell / name, error);
        if (error)
            return false;
    }
    return true;
}

// The dialogs' Spell Check for one typed text.
std::string LookUp(const std::string& input)
{
    // The Word box is read one character beyond the longest word, so that a longer text is refused.
    std::string box = input.substr(0, TypedTextSize);
    char typedText[TypedTextSize];
    WordField typedField, suggestField;
    TypedWordEntries entries;
    char refusal[RefusalSize];
    TypedTextVerdict verdict = CheckTypedText(box.c_str(), typedText, typedField, suggestField, entries, refusal);
    if (verdict == TypedTextRefused || verdict == WordListsMissing)
        return std::string("Refused\t") + refusal;

    std::string answer = verdict == TypedWordKnown ? "OK\t" : "Incorrect\t";
    for (int16_t i = 0; i < entries.count; i++) {
        if (i > 0)
            answer += '|';
        answer += entries.text[i];
    }
    return answer;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || std::strcmp(argv[1], "--dict") != 0) {
        std::fprintf(stderr, "usage: lookup-words --dict DIR < words.txt\n");
        return 2;
    }
    fs::path dict = argv[2];
    if (!fs::is_regular_file(dict / "Spell.txt")) {
        std::fprintf(stderr, "lookup-words: no Spell.txt in %s\n", argv[2]);
        return 2;
    }
    ListRoot root;
    if (!MakeListRoot(dict, root)) {
        std::fprintf(stderr, "lookup-words: cannot prepare a list folder for %s\n", argv[2]);
        return 2;
    }
    SetDriveRoot(root.root.string().c_str());
#ifdef _WIN32
    // Lines end in a line feed alone, as the native driver writes them.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif

    // Answers go out line by line, so that a caller may hold a conversation word by word, and each in one
    // write: under Wine every write to a pipe wakes the reader, and an answer written in pieces of the run
    // time's buffer cost more than its lookup.
    static char outBuffer[1 << 16];
    std::setvbuf(stdout, outBuffer, _IOFBF, sizeof(outBuffer));
    for (std::string line; std::getline(std::cin, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::string answer = line + '\t' + LookUp(line) + '\n';
        std::fwrite(answer.data(), 1, answer.size(), stdout);
        std::fflush(stdout);
    }
    return 0;
}
