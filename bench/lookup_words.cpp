// Looks up words read from standard input, one per line, as the dialogs' Spell Check does, and prints
//   input<TAB>OK<TAB>word
//   input<TAB>Incorrect<TAB>suggestion|suggestion|...     (the correction alone for a listed misspelling)
//   input<TAB>Refused<TAB>message                         (an empty text, one longer than 31 characters,
//                                                          or a word list that cannot be loaded)
// One engine serves the whole run, so "debugon" and "debugoff" carry over from word to word.
// A line of valid UTF-8 is the text of the Word box as the dialogs read it (their scan text); any other
// line is taken byte for byte. The entries are written in UTF-8.
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
#include "scan_text.h"
#include "typed_text_check.h"
#include "windows_1252.h"

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

// The UTF-16 code units of a line of valid UTF-8; false for any other line.
bool Utf16OfUtf8(const std::string& line, std::wstring& units)
{
    units.clear();
    for (size_t at = 0; at < line.size();) {
        unsigned char lead = static_cast<unsigned char>(line[at++]);
        int more = lead < 0x80 ? 0 : lead >= 0xC2 && lead <= 0xDF ? 1 : lead >= 0xE0 && lead <= 0xEF ? 2
                                   : lead >= 0xF0 && lead <= 0xF4 ? 3 : -1;
        if (more < 0 || at + static_cast<size_t>(more) > line.size())
            return false;
        uint32_t c = more == 0 ? lead : lead & (0x3Fu >> more);
        for (int i = 0; i < more; i++) {
            unsigned char next = static_cast<unsigned char>(line[at++]);
            if ((next & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (next & 0x3Fu);
        }
        const uint32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (c < least[more] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        if (c > 0xFFFF) {
            units += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
            units += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            units += static_cast<wchar_t>(c);
        }
    }
    return true;
}

std::string Utf8Of1252(const char* text)
{
    std::string utf8;
    for (; *text != 0; text++) {
        uint32_t c = UnicodeOf1252(static_cast<unsigned char>(*text));
        if (c == 0)
            c = 0xFFFD;
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else if (c < 0x800) {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | (c >> 12));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

// The dialogs' Spell Check for one typed text.
std::string LookUp(const std::string& input)
{
    std::string typed = input;
    std::wstring units;
    if (Utf16OfUtf8(input, units)) {
        typed.assign(units.size(), ' ');
        ScanTextFromUtf16(units.data(), static_cast<int32_t>(units.size()), &typed[0]);
    }
    // The Word box is read one character beyond the longest word, so that a longer text is refused.
    std::string box = typed.substr(0, TypedTextSize);
    char typedText[TypedTextSize];
    WordField typedField, suggestField;
    TypedWordEntries entries;
    char refusal[RefusalSize];
    TypedTextVerdict verdict = CheckTypedText(box.c_str(), typedText, typedField, suggestField, entries, refusal);
    if (verdict == TypedTextRefused || verdict == WordListsMissing)
        return std::string("Refused\t") + Utf8Of1252(refusal);

    std::string answer = verdict == TypedWordKnown ? "OK\t" : "Incorrect\t";
    for (int16_t i = 0; i < entries.count; i++) {
        if (i > 0)
            answer += '|';
        answer += Utf8Of1252(entries.text[i]);
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
