// Checks every word of a text as the spell-check run does (NextWord, then CheckWord) and prints the
// load time of the four word lists and the words checked per second.
//   check_throughput DRIVE_ROOT TEXT     (the lists are read from DRIVE_ROOT/ZOLT/SPELL/)
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "list_files.h"
#include "spell_tables.h"
#include "word_check.h"
#include "word_scanner.h"

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: check_throughput DRIVE_ROOT TEXT\n");
        return 2;
    }
    SetDriveRoot(argv[1]);
    std::vector<std::string> lines;
    std::ifstream in(argv[2], std::ios::binary);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);

    // The first check loads the four lists.
    auto loadStart = std::chrono::steady_clock::now();
    WordField probe;
    ToWordField("the", probe);
    int16_t status = 0;
    CheckWord(probe, status);
    double loadSeconds = SecondsSince(loadStart);
    if (status > 1) {
        std::fprintf(stderr, "check_throughput: the main list could not be opened (error %d)\n", status);
        return 1;
    }
    std::printf("load of the four lists: %.1f ms (%d main, %d local, %d misspelling lines, %d prefix rows)\n",
                loadSeconds * 1000, SpellTables.MainCount, SpellTables.LocalCount, SpellTables.MisspellCount,
                SpellTables.PrefixCount);

    long checked = 0, unknown = 0;
    auto checkStart = std::chrono::steady_clock::now();
    for (const std::string& line : lines) {
        int32_t n = static_cast<int32_t>(line.size());
        int32_t start = 0, position = 0, length = 0;
        WordField word;
        for (;;) {
            NextWord(line.c_str(), n, start, position, word, length);
            if (position == 0)
                break;
            CheckWord(word, status);
            checked++;
            unknown += status > 0;
            start = position + length;
        }
    }
    double checkSeconds = SecondsSince(checkStart);
    std::printf("checked %ld words (%ld unknown) in %.3f s: %.0f words per second\n", checked, unknown,
                checkSeconds, checked / checkSeconds);
    std::printf("with the load: %.0f words per second\n", checked / (checkSeconds + loadSeconds));
    return 0;
}
