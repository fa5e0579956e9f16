#include "misspelling_index.h"

#include <cstring>

#include "spell_tables.h"

namespace {

// Open addressing; a power of two above twice the table's capacity keeps probe runs short.
const uint32_t IndexSize = 65536;
int32_t LineAt[IndexSize];   // 0: free, else the first line with the slot's text

uint32_t SlotOf(const WordField& text)
{
    return HashWord(text) & (IndexSize - 1);
}

} // namespace

void BuildMisspellingIndex()
{
    std::memset(LineAt, 0, sizeof LineAt);
    for (int32_t k = 1; k <= SpellTables.MisspellCount; k++) {
        WordField lower = LowerCaseCopy(SpellTables.MisspellLines[k]);
        uint32_t slot = SlotOf(lower);
        while (LineAt[slot] != 0 && !SameWord(LowerCaseCopy(SpellTables.MisspellLines[LineAt[slot]]), lower))
            slot = (slot + 1) & (IndexSize - 1);
        if (LineAt[slot] == 0)
            LineAt[slot] = k;   // an earlier line with the same text stays the one found
    }
}

int32_t FirstMisspellingLine(const WordField& lower)
{
    for (uint32_t slot = SlotOf(lower); LineAt[slot] != 0; slot = (slot + 1) & (IndexSize - 1)) {
        int32_t k = LineAt[slot];
        if (SameWord(LowerCaseCopy(SpellTables.MisspellLines[k]), lower))
            return k;
    }
    return 0;
}
