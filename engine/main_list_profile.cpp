#include "main_list_profile.h"

#include <cstring>

namespace {

int8_t EntryLengths[MainCapacity + 1];
uint64_t EntryMasks[MainCapacity + 1];
uint64_t EntriesWithCharacter[64][MainBlockCount];   // per character bit, the entries holding it

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
    for (int32_t k = 1; k <= SpellTables.MainCount; k++) {
        int16_t m = TrimmedLength(SpellTables.MainWords[k]);
        EntryLengths[k] = static_cast<int8_t>(m);
        uint64_t mask = CharacterMask(SpellTables.MainWords[k].ch, m);
        EntryMasks[k] = mask;
        for (int bit = 0; bit < 64; bit++)
            if ((mask >> bit) & 1)
                EntriesWithCharacter[bit][k / 64] |= uint64_t(1) << (k % 64);
    }
}

uint64_t EntriesHoldingAll(uint64_t mask, int32_t block)
{
    uint64_t entries = ~uint64_t(0);
    for (int bit = 0; mask != 0 && entries != 0; bit++, mask >>= 1)
        if (mask & 1)
            entries &= EntriesWithCharacter[bit][block];
    return entries;
}

int16_t MainEntryLength(int32_t k)
{
    return EntryLengths[k];
}

uint64_t MainEntryMask(int32_t k)
{
    return EntryMasks[k];
}
