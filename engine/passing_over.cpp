#include "passing_over.h"

#include <cstring>

#include "candidate_pool.h"


// The first place where they differ is where such a gap can be.
bool MayBeRaised(const WordField& word, int16_t n, const WordField& entry, int16_t m)
{
    int gap = n - m;
    if (gap != 1 && gap != 2)
        return false;
    int same = 0;
    while (same < m && entry.ch[same] == word.ch[same])
        same++;
    return same > 0 && std::memcmp(entry.ch + same, word.ch + same + gap, static_cast<size_t>(m - same)) == 0;
}

int ScoreWorthSeeking(PassingOver* passing, int kept, const WordField& word, int16_t n, const WordField& entry,
                      int16_t m)
{
    if (passing == nullptr)
        return kept;
    passing->visited++;
    int selectable = LeastSelectableScore();
    if (selectable <= kept || MayBeRaised(word, n, entry, m))
        return kept;
    return selectable;
}
