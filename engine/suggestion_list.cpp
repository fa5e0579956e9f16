#include <cstring>

#include "scoring_rules.h"
#include "spell_tables.h"
#include "suggestion_internals.h"

namespace {

// The best candidates seen so far, by descending score, ties in pool order.
int16_t TopPosition[SuggestionSlots];
int16_t TopScore[SuggestionSlots];

// Gathers the up to 288 best positive-scored candidates in one pass over the pool, inserting each into
// the list of those held. It picks what 288 passes of "take the first highest score, then zero it"
// would pick, in the same order.
int GatherByInsertion()
{
    const CandidatePoolTable& pool = SpellTables.CandidatePool;
    int size = 0;
    for (int16_t k = 1; k <= pool.count; k++) {
        int16_t score = pool.scores[k];
        if (score <= 0)
            continue;
        if (size == SuggestionSlots && score <= TopScore[size - 1])
            continue;   // an equal score that came later loses to those held
        int low = 0, high = size;   // first held entry with a lower score
        while (low < high) {
            int mid = (low + high) / 2;
            if (TopScore[mid] >= score)
                low = mid + 1;
            else
                high = mid;
        }
        int moved = (size == SuggestionSlots ? size - 1 : size) - low;
        std::memmove(TopPosition + low + 1, TopPosition + low, sizeof(int16_t) * moved);
        std::memmove(TopScore + low + 1, TopScore + low, sizeof(int16_t) * moved);
        TopPosition[low] = k;
        TopScore[low] = score;
        if (size < SuggestionSlots)
            size++;
    }
    return size;
}

// The scans give scores up to the boost's ceiling: candidates are counted by score, and then placed
// in score order, ties in pool order, as the insertion would hold them.
const int CountedScores = BoostCeiling;
int32_t CandidatesScoring[CountedScores + 1];
int16_t NextPlaceOfScore[CountedScores + 1];

int GatherBestCandidates()
{
    const CandidatePoolTable& pool = SpellTables.CandidatePool;
    std::memset(CandidatesScoring, 0, sizeof CandidatesScoring);
    for (int16_t k = 1; k <= pool.count; k++) {
        int16_t score = pool.scores[k];
        if (score > CountedScores)
            return GatherByInsertion();
        if (score > 0)
            CandidatesScoring[score]++;
    }
    // The lowest score taken, and how many candidates of it fit.
    int taken = 0, lowest = CountedScores + 1, ofLowest = 0;
    for (int score = CountedScores; score >= 1 && taken < SuggestionSlots; score--) {
        if (CandidatesScoring[score] == 0)
            continue;
        lowest = score;
        ofLowest = CandidatesScoring[score] < SuggestionSlots - taken ? CandidatesScoring[score] : SuggestionSlots - taken;
        NextPlaceOfScore[score] = static_cast<int16_t>(taken);
        taken += ofLowest;
    }
    int placed = 0;
    for (int16_t k = 1; k <= pool.count && placed < taken; k++) {
        int16_t score = pool.scores[k];
        if (score < lowest)
            continue;
        if (score == lowest) {
            if (ofLowest == 0)
                continue;   // later ones of the lowest score taken do not fit
            ofLowest--;
        }
        int16_t place = NextPlaceOfScore[score]++;
        TopPosition[place] = k;
        TopScore[place] = score;
        placed++;
    }
    return taken;
}

bool IsPoolPosition(int16_t position)
{
    return position >= 1 && position <= PoolCapacity;
}

} // namespace

void SelectSuggestions()
{
    CandidatePoolTable& pool = SpellTables.CandidatePool;
    SuggestionListTable& list = SpellTables.SuggestionList;
    int size = GatherBestCandidates();
    int16_t best = 1;
    for (int r = 1; r <= SuggestionSlots; r++) {
        int16_t top = 0;
        if (r <= size) {
            best = TopPosition[r - 1];
            top = TopScore[r - 1];
        }
        list.slotIndex[r] = best;
        list.slotScore[r] = top;
        pool.scores[best] = 0;
    }
}

void GetSuggestion(int16_t index, char* out)
{
    out[0] = '\0';
    std::memset(out + 1, ' ', WordWidth - 1);
    if (index < 1 || index > SuggestionSlots)
        return;
    const SuggestionListTable& list = SpellTables.SuggestionList;
    const CandidatePoolTable& pool = SpellTables.CandidatePool;
    // Before the first selection of a process the slots point at no candidate: nothing to give.
    int16_t position = list.slotIndex[index];
    if (!IsPoolPosition(position))
        return;
    WordField cur = pool.texts[position];
    WordField prev;
    FillBlanks(prev);
    if (index > 1 && IsPoolPosition(list.slotIndex[index - 1]))
        prev = pool.texts[list.slotIndex[index - 1]];
    if (SameWord(cur, prev))
        return;
    int16_t t = TrimmedLength(cur);
    if (t < WordWidth)
        t++;
    cur.ch[t - 1] = '\0';
    std::memcpy(out, cur.ch, WordWidth);
}

namespace {

// Removes the character at 1-based position i, blank-padding the end.
void RemoveCharAt(WordField& word, int i)
{
    std::memmove(word.ch + i - 1, word.ch + i, static_cast<size_t>(WordWidth - i));
    word.ch[WordWidth - 1] = ' ';
}

bool IsApostrophe(char c)
{
    return c == '\'';
}

// Runs of more than KEEP equal characters of a kind become KEEP; the first blank ends the step.
void CollapseRuns(WordField& w, bool (*isOfKind)(char), int keep)
{
    int i = 1;
    while (i <= 31) {
        char ch = w.ch[i - 1];
        if (ch == ' ')
            return;
        if (!isOfKind(ch)) {
            i++;
            continue;
        }
        if (i + keep > WordWidth)
            return;
        int same = 0;   // the followers of ch equal to it
        while (same < keep && w.ch[i + same] == ch)
            same++;
        if (same == keep) {
            RemoveCharAt(w, i + keep);
            continue;
        }
        if (w.ch[i + same] == ' ')
            return;
        i++;
    }
}

} // namespace

void PrepareSuggestionWord(const WordField& in, WordField& out)
{
    out = in;
    CollapseRuns(out, IsLowerLetter, 2);      // three or more equal lower-case letters become two
    CollapseRuns(out, IsApostrophe, 1);       // runs of apostrophes become one
}
