#include "suggestion_list.h"

#include <cstdint>
#include <cstring>

#include "spell_tables.h"

namespace {

// The best candidates, by descending score, ties in pool order: what 288 passes of "take the first
// highest score, then zero it" would pick, in the same order. Candidates are counted by score, then
// placed in score order.
const int HighestScore = INT16_MAX;
int16_t TopPosition[SuggestionSlots];
int16_t TopScore[SuggestionSlots];
int32_t CandidatesScoring[HighestScore + 1];
int16_t NextPlaceOfScore[HighestScore + 1];

int GatherBestCandidates()
{
    const CandidatePoolTable& pool = SpellTables.CandidatePool;
    int highest = 0;
    for (int16_t k = 1; k <= pool.count; k++)
        highest = pool.scores[k] > highest ? pool.scores[k] : highest;
    std::memset(CandidatesScoring, 0, sizeof CandidatesScoring[0] * static_cast<size_t>(highest + 1));
    for (int16_t k = 1; k <= pool.count; k++)
        if (pool.scores[k] > 0)
            CandidatesScoring[pool.scores[k]]++;
    // The lowest score taken, and how many candidates of it fit.
    int taken = 0, lowest = highest + 1, ofLowest = 0;
    for (int score = highest; score >= 1 && taken < SuggestionSlots; score--) {
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
