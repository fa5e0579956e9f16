#include "word_lists.h"

#include <cstring>

#include "engine_status.h"
#include "list_files.h"
#include "main_list_columns.h"
#include "main_list_index.h"
#include "main_list_profile.h"
#include "spell_tables.h"
#include "text_indexes.h"

SpellTableStore SpellTables;

namespace {

// First character of the last main-list line whose initial differed from the one before; a blank at
// the start of each load. Kept from one load to the next, a line without a letter slot that failed
// one load would pass the next.
char RememberedInitial = ' ';

// The first control character: in a list of words only a damaged file holds one (a file with carriage
// returns alone for line ends reads as one line).
const unsigned char FirstPrintable = 0x20;

const int PrefixLineWidth = 80;
const char PrefixCommentMark = '#';
const char MisspellingGroupMark = '$';   // a correction, followed by its misspellings

// The list whose failure ended the last load that failed.
char FailedList[ListPathWidth];
// The error number of the first read that failed during a load, 0 when none did.
int16_t ReadError;

// A list that opened but could not be read to its end fails the load, however much was read.
void NoteReadError(const char* path, int16_t error)
{
    if (ReadError != 0)
        return;
    ReadError = error;
    std::memcpy(FailedList, path, ListPathWidth);
}

// Eight characters at a time: a byte below FirstPrintable sets the top bit of its byte of the result
// (bytes of 128 and above never do).
bool HoldsControlCharacter(const WordField& line)
{
    const uint64_t ones = 0x0101010101010101ull;
    const uint64_t tops = 0x8080808080808080ull;
    uint64_t found = 0;
    for (int i = 0; i < WordWidth; i += 8) {
        uint64_t eight;
        std::memcpy(&eight, line.ch + i, sizeof eight);
        found |= (eight - ones * FirstPrintable) & ~eight & tops;
    }
    return found != 0;
}

// Records where each initial's run of main list lines begins; false for a line without a letter slot
// or with a control character.
bool NoteMainLine(const WordField& line, int32_t position)
{
    if (HoldsControlCharacter(line))
        return false;
    if (line.ch[0] == RememberedInitial)
        return true;
    RememberedInitial = line.ch[0];
    int slot = LetterSlot(static_cast<unsigned char>(line.ch[0]));
    if (slot < 1 || slot > LetterSlotCount)
        return false;
    SpellTables.LetterStart[slot] = position;
    return true;
}

// Hands the file's lines, each as its first width characters, to onLine until it answers false; a line
// that holds a character outside Windows-1252 (LineOutside1252) is no line of a list, and onLine is
// told so. Status: 0 at the end of the file, the error number of a failed open or read, or what
// onLine set.
template <typename OnLine>
void ReadLines(const char* path, int width, int16_t& status, OnLine onLine)
{
    ListFile file;
    OpenListFile(path, file, status);
    if (status != StatusSuccess)
        return;
    char line[PrefixLineWidth];
    for (;;) {
        int16_t readStatus = StatusSuccess;
        ReadListLine(file, line, width, readStatus);
        if (readStatus != StatusSuccess) {
            status = readStatus == StatusEndOfFile ? StatusSuccess : readStatus;
            if (readStatus > 0)
                NoteReadError(path, readStatus);
            break;
        }
        if (!onLine(line, LineOutside1252()))
            break;
    }
    CloseListFile(file);
}

// How a word table takes the lines that hold a character outside Windows-1252: each is left out, and
// in the table of misspellings a correction that is left out takes its misspellings with it.
enum LeftOutLines { EachLineAlone, WithItsGroup };

// Reads the file's lines, in order, into entries 1.. of a word table, handing each to noteLine when
// one is given. Status: 0 at the end of the file, 1 when a line was left over for want of room or
// noteLine refused one (that line is kept), or the error number of a failed open or read.
void LoadWordTable(const char* path, WordField* table, int32_t capacity, int32_t& count, int16_t& status,
                   bool (*noteLine)(const WordField& line, int32_t position) = nullptr,
                   LeftOutLines leftOut = EachLineAlone)
{
    count = 0;
    bool groupLeftOut = false;
    ReadLines(path, WordWidth, status, [&](const char* line, bool outside1252) {
        if (leftOut == WithItsGroup && line[0] == MisspellingGroupMark)
            groupLeftOut = outside1252;
        if (outside1252 || groupLeftOut)
            return true;
        if (count >= capacity) {
            status = StatusFailure;
            return false;
        }
        count++;
        std::memcpy(table[count].ch, line, WordWidth);
        status = noteLine == nullptr || noteLine(table[count], count) ? StatusSuccess : StatusFailure;
        return status == StatusSuccess;
    });
}

void IndexMainList()
{
    BuildMainListIndex();
    BuildMainListProfile();
    BuildMainListColumns();
}

} // namespace

void ResetSpellTablesForTesting()
{
    std::memset(&SpellTables, 0, sizeof SpellTables);
    RememberedInitial = ' ';
    IndexMainList();
    IndexLocalWords();
    IndexMisspellings();
    IndexIgnoredWords();
}

void LoadSpellTables(int16_t& status)
{
    SpellTables.MainCount = 0;
    for (int s = 1; s <= LetterSlotCount; s++)
        SpellTables.LetterStart[s] = 1;

    // A missing, overlong or disordered local, misspellings or prefix list is not a failure; one that
    // cannot be read is.
    ReadError = 0;
    int16_t ignored = 0;
    ReloadLocalWords(ignored);
    LoadMisspellings(ignored);
    LoadPrefixTable(ignored);

    char path[ListPathWidth];
    SpellListPath(path);
    RememberedInitial = ' ';
    LoadWordTable(path, SpellTables.MainWords, MainCapacity, SpellTables.MainCount, status, NoteMainLine);
    // A list that yields no word (an empty file, blank lines) would call every word misspelled.
    if (status == StatusSuccess && RememberedInitial == ' ')
        status = StatusFailure;
    if (status != StatusSuccess)
        std::memcpy(FailedList, path, ListPathWidth);   // the main list's own failure is named first
    else if (ReadError != 0)
        status = ReadError;          // FailedList names the list that could not be read
    IndexMainList();
}

void FailedListPath(char* field)
{
    std::memcpy(field, FailedList, ListPathWidth);
}

void ReloadLocalWords(int16_t& status)
{
    char path[ListPathWidth];
    LocalListPath(path);
    int16_t loadStatus = StatusSuccess;
    LoadWordTable(path, SpellTables.LocalWords, LocalCapacity, SpellTables.LocalCount, loadStatus);
    IndexLocalWords();
    // A missing or overlong local list is not a failure; a read error is noted for the load.
    status = StatusSuccess;
}

void LoadMisspellings(int16_t& status)
{
    char path[ListPathWidth];
    MisspellListPath(path);
    LoadWordTable(path, SpellTables.MisspellLines, MisspellCapacity, SpellTables.MisspellCount, status, nullptr,
                  WithItsGroup);
    IndexMisspellings();
}

void LoadPrefixTable(int16_t& status)
{
    SpellTables.PrefixCount = 0;
    char path[ListPathWidth];
    PrefixListPath(path);
    ReadLines(path, PrefixLineWidth, status, [&](const char* line, bool outside1252) {
        if (line[0] == PrefixCommentMark || outside1252)
            return true;
        if (SpellTables.PrefixCount >= PrefixCapacity) {
            status = StatusFailure;
            return false;
        }
        int16_t r = ++SpellTables.PrefixCount;
        // From-text in columns 6..17, to-text in columns 20..31.
        CopyToField(SpellTables.PrefixFrom[r], PrefixTextWidth, line + 5, PrefixTextWidth);
        SpellTables.PrefixFromLength[r] = TrimmedLength(SpellTables.PrefixFrom[r], PrefixTextWidth);
        CopyToField(SpellTables.PrefixTo[r], PrefixTextWidth, line + 19, PrefixTextWidth);
        SpellTables.PrefixToLength[r] = TrimmedLength(SpellTables.PrefixTo[r], PrefixTextWidth);
        return true;
    });
}
