#include "main_list_index.h"

#include "spell_tables.h"

namespace {

// Positions i where entry i is greater than entry i + 1, ascending. Between two of them the list is
// sorted, so a binary search there finds what the entry-by-entry scan would find.
int32_t Descents[MainCapacity + 1];
int32_t DescentCount;

// First index k in Descents with Descents[k] >= position, or DescentCount.
int32_t FirstDescentFrom(int32_t position)
{
    int32_t low = 0, high = DescentCount;
    while (low < high) {
        int32_t mid = low + (high - low) / 2;
        if (Descents[mid] < position)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

} // namespace

void BuildMainListIndex()
{
    DescentCount = 0;
    for (int32_t i = 1; i < SpellTables.MainCount; i++)
        if (CompareWords(SpellTables.MainWords[i], SpellTables.MainWords[i + 1]) > 0)
            Descents[DescentCount++] = i;
}

bool ScanMainList(const WordField& word, int32_t start)
{
    const WordField* words = SpellTables.MainWords;
    int32_t count = SpellTables.MainCount;
    int32_t runStart = start < 1 ? 1 : start;
    int32_t k = FirstDescentFrom(runStart);
    while (runStart <= count) {
        int32_t runEnd = k < DescentCount ? Descents[k] : count;
        // First entry in runStart..runEnd that is not smaller than the word.
        int32_t low = runStart, high = runEnd + 1;
        while (low < high) {
            int32_t mid = low + (high - low) / 2;
            if (CompareWords(words[mid], word) < 0)
                low = mid + 1;
            else
                high = mid;
        }
        if (low <= runEnd)
            return SameWord(words[low], word);
        runStart = runEnd + 1;
        k++;
    }
    return false;
}
