#include "text_indexes.h"

#include <cstring>

#include "spell_tables.h"

namespace {

// Open addressing in a table of a power of two at least twice the list's capacity, which keeps probe
// runs short. A slot holds 0 when free, else the first entry of the list with its text.
struct TextIndex {
    int32_t* slots;
    uint32_t size;
    const WordField* entries;
    int32_t indexed;   // entries 1..indexed are in the index
    bool anyCase;      // texts are compared in lower case
};

const uint32_t LocalIndexSize = 65536;
const uint32_t MisspellIndexSize = 65536;
const uint32_t IgnoredIndexSize = 8192;
int32_t LocalSlots[LocalIndexSize];
int32_t MisspellSlots[MisspellIndexSize];
int32_t IgnoredSlots[IgnoredIndexSize];
TextIndex LocalIndex = {LocalSlots, LocalIndexSize, SpellTables.LocalWords, 0, false};
TextIndex MisspellIndex = {MisspellSlots, MisspellIndexSize, SpellTables.MisspellLines, 0, true};
TextIndex IgnoredIndex = {IgnoredSlots, IgnoredIndexSize, SpellTables.IgnoredWords, 0, true};

WordField Key(const TextIndex& index, const WordField& text)
{
    return index.anyCase ? LowerCaseCopy(text) : text;
}

// The slot that holds an entry with the key's text, or the free slot where the search ends.
uint32_t SlotOf(const TextIndex& index, const WordField& key)
{
    uint32_t slot = HashWord(key) & (index.size - 1);
    while (index.slots[slot] != 0 && !SameWord(Key(index, index.entries[index.slots[slot]]), key))
        slot = (slot + 1) & (index.size - 1);
    return slot;
}

// Adds entries indexed + 1 .. count; one whose text an earlier entry has adds nothing.
void Extend(TextIndex& index, int32_t count)
{
    for (; index.indexed < count; index.indexed++) {
        uint32_t slot = SlotOf(index, Key(index, index.entries[index.indexed + 1]));
        if (index.slots[slot] == 0)
            index.slots[slot] = index.indexed + 1;
    }
}

void Rebuild(TextIndex& index, int32_t count)
{
    std::memset(index.slots, 0, sizeof index.slots[0] * index.size);
    index.indexed = 0;
    Extend(index, count);
}

int32_t FirstEntry(const TextIndex& index, const WordField& text)
{
    return index.indexed == 0 ? 0 : index.slots[SlotOf(index, Key(index, text))];
}

} // namespace

void IndexLocalWords()
{
    Rebuild(LocalIndex, SpellTables.LocalCount);
}

void IndexMisspellings()
{
    Rebuild(MisspellIndex, SpellTables.MisspellCount);
}

void IndexIgnoredWords()
{
    if (SpellTables.IgnoredCount < IgnoredIndex.indexed)
        Rebuild(IgnoredIndex, SpellTables.IgnoredCount);
    Extend(IgnoredIndex, SpellTables.IgnoredCount);
}

bool InLocalList(const WordField& word)
{
    return FirstEntry(LocalIndex, word) != 0;
}

bool IsIgnoredWord(const WordField& word)
{
    return FirstEntry(IgnoredIndex, word) != 0;
}

int32_t FirstMisspellingLine(const WordField& lower)
{
    return FirstEntry(MisspellIndex, lower);
}
