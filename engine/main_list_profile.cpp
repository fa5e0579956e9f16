#include "main_list_profile.h"

#include <cstring>

#include "bit_sets.h"

namespace {

uint8_t EntryLengths[MainBlockCount * 64];   // entry 0 and entries past the list: 0
uint64_t EntryMasks[MainCapacity + 1];
uint64_t EntriesWithCharacter[64][MainBlockCount];   // per character bit, the entries holding it
uint64_t EntriesWithPair[64][MainBlockCount];        // per pair bit, the entries holding it

int PairBit(char first, char second)
{
    uint32_t pair = static_cast<uint32_t>(static_cast<unsigned char>(first)) * 256u +
                    static_cast<unsigned char>(second);
    return static_cast<int>((pair * 0x9E3779B1u) >> 26);
}

void MarkEntry(uint64_t (*table)[MainBlockCount], uint64_t mask, int32_t k)
{
    for (; mask != 0; mask &= mask - 1)
        table[LowestBitIndex(mask)][k / 64] |= uint64_t(1) << (k % 64);
}

// Keeps in holders only the entries that hold every bit of mask: row by row, which the compiler does
// several blocks at a time.
void KeepEntriesInAll(const uint64_t (*table)[MainBlockCount], uint64_t mask, int32_t lastBlock, uint64_t* holders)
{
    for (; mask != 0; mask &= mask - 1) {
        const uint64_t* row = table[LowestBitIndex(mask)];
        for (int32_t block = 0; block <= lastBlock; block++)
            holders[block] &= row[block];
    }
}

} // namespace

uint64_t CharacterMask(const char* text, int length)
{
    uint64_t mask = 0;
    for (int i = 0; i < length; i++)
        mask |= uint64_t(1) << (static_cast<unsigned char>(text[i]) & 63);
    return mask;
}

void BuildMainListProfile()
{
    std::memset(EntriesWithCharacter, 0, sizeof EntriesWithCharacter);
    std::memset(EntriesWithPair, 0, sizeof EntriesWithPair);
    std::memset(EntryLengths, 0, sizeof EntryLengths);
    for (int32_t k = 1; k <= SpellTables.MainCount; k++) {
        int16_t m = TrimmedLength(SpellTables.MainWords[k]);
        EntryLengths[k] = static_cast<uint8_t>(m);
        uint64_t mask = CharacterMask(SpellTables.MainWords[k].ch, m);
        EntryMasks[k] = mask;
        MarkEntry(EntriesWithCharacter, mask, k);
        MarkEntry(EntriesWithPair, PairMask(SpellTables.MainWords[k].ch, m), k);
    }
}

void EntriesHoldingText(uint64_t mask, uint64_t pairs, int32_t lastBlock, uint64_t* holders)
{
    for (int32_t block = 0; block <= lastBlock; block++)
        holders[block] = ~uint64_t(0);
    KeepEntriesInAll(EntriesWithCharacter, mask, lastBlock, holders);
    KeepEntriesInAll(EntriesWithPair, pairs, lastBlock, holders);
}

uint64_t PairMask(const char* text, int length)
{
    uint64_t mask = 0;
    for (int i = 0; i + 1 < length; i++)
        mask |= uint64_t(1) << PairBit(text[i], text[i + 1]);
    return mask;
}

int16_t MainEntryLength(int32_t k)
{
    return EntryLengths[k];
}

const uint8_t* MainEntryLengthsFrom(int32_t k)
{
    return EntryLengths + k;
}

uint64_t MainEntryMask(int32_t k)
{
    return EntryMasks[k];
}

