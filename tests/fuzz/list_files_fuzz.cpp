// The four word-list files from arbitrary bytes, loaded as at a program's first check, then the words
// after them looked up as the dialogs do. Each list may begin with UTF-8's byte order mark, so that the
// reading of UTF-8 lists is reached; the local list is also read line by line and compared with the
// same lines read from the whole file at once.
// Input: Spell.txt, Local.txt, Misspell.txt and Prefix.txt, each ended by a backslash and one more
// byte (a doubled backslash stands for one backslash), then the typed words, one per line; the last
// byte says which lists get the byte order mark (bit 0 for Spell.txt, ... bit 3 for Prefix.txt).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "list_files.h"
#include "list_folder.h"
#include "spell_tables.h"
#include "typed_check.h"
#include "windows_1252.h"
#include "word_lists.h"

namespace {

const char* const ListNames[] = {"Spell.txt", "Local.txt", "Misspell.txt", "Prefix.txt"};
const int MostLookups = 8;
const std::string ByteOrderMark = "\xef\xbb\xbf";
const char OutsideMark = '\x81';

// ---- The reading of a list file, done on the whole file at once -----------------------------------

bool StartSequence(unsigned char lead, int& pending, unsigned char& low, unsigned char& high)
{
    low = 0x80;
    high = 0xBF;
    pending = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    if (lead == 0xE0)
        low = 0xA0;
    if (lead == 0xED)
        high = 0x9F;
    if (lead == 0xF0)
        low = 0x90;
    if (lead == 0xF4)
        high = 0x8F;
    return lead >= 0xC2 && lead <= 0xF4;
}

// The character at text[at] (a byte of 128 or above) as a Windows-1252 byte; at moves past it.
char DecodeOne(const std::string& text, size_t& at)
{
    int pending = 0;
    unsigned char low = 0, high = 0;
    unsigned char lead = static_cast<unsigned char>(text[at++]);
    if (!StartSequence(lead, pending, low, high))
        return OutsideMark;
    uint32_t character = lead & (0x3Fu >> pending);
    for (; pending > 0; pending--, low = 0x80, high = 0xBF) {
        if (at >= text.size())
            return OutsideMark;
        unsigned char next = static_cast<unsigned char>(text[at]);
        if (next < low || next > high)
            return OutsideMark;
        character = (character << 6) | (next & 0x3Fu);
        at++;
    }
    int b = WordByteOf(character);
    return b < 0 ? OutsideMark : static_cast<char>(b);
}

bool IsUtf8(const std::string& text)
{
    for (size_t at = 0; at < text.size();) {
        unsigned char b = static_cast<unsigned char>(text[at++]);
        if (b < 0x80)
            continue;
        int pending = 0;
        unsigned char low = 0, high = 0;
        if (!StartSequence(b, pending, low, high))
            return false;
        for (; pending > 0; pending--, low = 0x80, high = 0xBF) {
            if (at >= text.size())
                return false;
            unsigned char next = static_cast<unsigned char>(text[at++]);
            if (next < low || next > high)
                return false;
        }
    }
    return true;
}

struct Line {
    std::string field;
    bool outside1252;
};

std::vector<Line> LinesOfWholeFile(const std::string& bytes, int width)
{
    std::string text = bytes.substr(0, bytes.find('\x1a'));
    bool marked = text.compare(0, ByteOrderMark.size(), ByteOrderMark) == 0;
    bool highBytes = false;
    for (char c : text)
        highBytes |= static_cast<unsigned char>(c) >= 0x80;
    bool utf8 = marked || (highBytes && IsUtf8(text));
    std::string translated;
    for (size_t at = marked ? ByteOrderMark.size() : 0; at < text.size();) {
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') {
            translated += '\n';
            at += 2;
        } else if (utf8 && static_cast<unsigned char>(text[at]) >= 0x80) {
            translated += DecodeOne(text, at);
        } else {
            translated += text[at++];
        }
    }
    std::vector<Line> lines;
    for (size_t at = 0; at < translated.size();) {
        size_t end = translated.find('\n', at);
        if (end == std::string::npos)
            end = translated.size();
        std::string line = translated.substr(at, end - at);
        bool outside = utf8 && line.find(OutsideMark) != std::string::npos;
        line.resize(static_cast<size_t>(width), ' ');
        lines.push_back({line, outside});
        at = end + 1;
    }
    return lines;
}

// ---- Checks -------------------------------------------------------------------------------------

void CompareLineByLine(const char* name, const std::string& bytes)
{
    std::string path = std::string("C:\\ZOLT\\SPELL\\") + name;
    char pathField[ListPathWidth];
    CopyToField(pathField, ListPathWidth, path.data(), static_cast<int>(path.size()));
    std::vector<Line> expected = LinesOfWholeFile(bytes, WordWidth);
    ListFile file;
    int16_t status = 0;
    OpenListFile(pathField, file, status);
    FUZZ_CHECK(status == 0);
    for (const Line& line : expected) {
        char field[WordWidth];
        ReadListLine(file, field, WordWidth, status);
        FUZZ_CHECK(status == 0);
        FUZZ_CHECK(std::memcmp(field, line.field.data(), WordWidth) == 0);
        FUZZ_CHECK(LineOutside1252() == line.outside1252);
    }
    char field[WordWidth];
    ReadListLine(file, field, WordWidth, status);
    FUZZ_CHECK(status == -1);
    CloseListFile(file);
}

// No entry of a list read as UTF-8 holds a character outside Windows-1252.
void CheckTable(const char* name, const WordField* table, int32_t count)
{
    std::string path = std::string("C:\\ZOLT\\SPELL\\") + name;
    char pathField[ListPathWidth];
    CopyToField(pathField, ListPathWidth, path.data(), static_cast<int>(path.size()));
    if (!ListFileInUtf8(pathField))
        return;
    for (int32_t i = 1; i <= count; i++)
        FUZZ_CHECK(std::memchr(table[i].ch, OutsideMark, WordWidth) == nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static ListFolder* folder = new ListFolder();   // one folder for the whole run
    FuzzedDataProvider input(data, size);
    uint8_t marks = input.ConsumeIntegral<uint8_t>();
    std::string contents[4];
    for (int i = 0; i < 4; i++) {
        contents[i] = ((marks >> i) & 1 ? ByteOrderMark : std::string()) + input.ConsumeRandomLengthString(size);
        folder->WriteFile(ListNames[i], contents[i]);
    }
    CompareLineByLine(ListNames[1], contents[1]);
    ResetSpellTablesForTesting();

    std::istringstream words(input.ConsumeRemainingBytesAsString());
    std::string word;
    for (int i = 0; i < MostLookups && std::getline(words, word); i++)
        CheckTypedTextForFuzzing(word);
    if (SpellTables.TablesLoaded == 0) {
        int16_t status = 0;
        LoadSpellTables(status);
    }
    CheckTable(ListNames[0], SpellTables.MainWords, SpellTables.MainCount);
    CheckTable(ListNames[1], SpellTables.LocalWords, SpellTables.LocalCount);
    CheckTable(ListNames[2], SpellTables.MisspellLines, SpellTables.MisspellCount);
    return 0;
}
