#include "candidate_scoring.h"

#include <cstring>

#include "bit_sets.h"
#include "candidate_pool.h"
#include "position_match.h"
#include "score_bound.h"
#include "scoring_rules.h"
#include "spell_tables.h"

namespace {

// How many of the word's first n characters the entry's first m hold (an underscore always counts,
// since the alignment writes underscores into its working copy of the entry). The alignment places at
// most that many.
int16_t HeldCharacters(const WordField& word, int16_t n, const WordField& entry, int16_t m)
{
    CharacterSet inEntry = {};
    CollectCharacters(entry.ch, m, inEntry);
    int16_t held = 0;
    for (int i = 0; i < n; i++)
        held += word.ch[i] == '_' || Holds(inEntry, word.ch[i]);
    return held;
}

// The entry is the word with its lower-case first letter capitalised ("london" and "London").
bool IsCapitalisedWord(const WordField& word, const WordField& entry)
{
    return IsLowerLetter(word.ch[0]) && entry.ch[0] == word.ch[0] - 'a' + 'A' &&
           std::memcmp(word.ch + 1, entry.ch + 1, WordWidth - 1) == 0;
}

} // namespace

int16_t EvaluatedScore(const WordField& word, int16_t n, const WordField& entry, int16_t m)
{
    if (!EvaluationMayScore(n, m))
        return -1;
    // The alignment can only be used when it may place half the entry's letters.
    if (MayAlign(n, m) && PlacesEnough(HeldCharacters(word, n, entry, m), m)) {
        WordField aligned;
        int16_t placed = 0;
        AlignWord(word, n, entry, m, aligned, placed);
        if (PlacesEnough(placed, m))
            return PairScore(aligned, m, entry, m);   // an aligned pair always passes the length gate
    }
    return PassesLengthGate(n, m) ? PairScore(word, n, entry, m) : static_cast<int16_t>(-1);
}

void EvaluateCandidate(const WordField& word, int16_t n, WordField& entry, int16_t m)
{
    int16_t score = EvaluatedScore(word, n, entry, m);
    if (score >= 0)
        OfferCandidate(entry, score);
}

namespace {

// Where the entry holds each of the word's characters, within its first m positions.
struct EntryPlaces {
    uint32_t holding[WordWidth];   // per word position i - 1: the entry positions holding its character
};

// Where each character stands in the entry being aligned; all zero between alignments.
CharacterPositions EntryCharacters;

// PositionOf the word's i-th character within the entry's first m characters once its first
// `cleared` ones have been used up (overwritten with underscores), without writing that copy.
inline int PositionInRest(const WordField& word, int i, const EntryPlaces& places, int cleared)
{
    if (word.ch[i - 1] == '_' && cleared > 0)
        return 1;
    uint32_t rest = places.holding[i - 1] & ~FirstPositions(cleared);
    return rest == 0 ? 0 : LowestBitIndex(rest) + 1;
}

} // namespace

void AlignWord(const WordField& word, int16_t n, const WordField& entry, int16_t m,
               WordField& aligned, int16_t& placed)
{
    EntryPlaces places;
    AddCharacterPositions(entry, m, EntryCharacters);
    for (int i = 0; i < n; i++)
        places.holding[i] = EntryCharacters.at[static_cast<unsigned char>(word.ch[i])];
    for (int j = 0; j < m; j++)
        EntryCharacters.at[static_cast<unsigned char>(entry.ch[j])] = 0;
    FillBlanks(aligned);
    for (int i = 0; i < m; i++)
        aligned.ch[i] = '_';
    int cleared = 0;   // the entry's letters 1..cleared are used up
    placed = 0;
    for (int i = 1; i <= n; i++) {
        char ch = word.ch[i - 1];
        int p = PositionInRest(word, i, places, cleared);
        if (p == 0)
            continue;
        int distance = p > i ? p - i : i - p;
        if (p == i) {
            aligned.ch[i - 1] = ch;
        } else if (distance > AlignReach) {
            aligned.ch[i - 1] = '-';
            placed++;
            continue;   // the entry's letters stay available
        } else {
            int q = i < n ? PositionInRest(word, i + 1, places, cleared) : p;
            int spread = q > p ? q - p : p - q;
            if (spread > AlignReach && q != 0)
                continue;
            aligned.ch[p - 1] = ch;
        }
        placed++;
        if (i < m && p > cleared)
            cleared = p;
    }
}

int16_t PairScore(const WordField& word, int16_t n, const WordField& entry, int16_t m)
{
    CharacterSet inWord = {};
    CollectCharacters(word.ch, n, inWord);
    int missing = 0;
    for (int j = 0; j < m; j++)
        missing += !Holds(inWord, entry.ch[j]);
    return static_cast<int16_t>(ScoreFromParts(PositionPoints(MatchPositions(word, n, entry, m), n), n, m,
                                               missing, IsCapitalisedWord(word, entry)));
}

void ScoreCandidate(const WordField& word, int16_t n, WordField& entry, int16_t m)
{
    if (PassesLengthGate(n, m))
        OfferCandidate(entry, PairScore(word, n, entry, m));
}

// The score depends only on the pair, so it is worked out first: a pair that cannot be kept needs no
// look-up in the pool, except to decide whether the entry copy gets its capital.
void OfferCandidate(WordField& entry, int16_t score)
{
    const CandidatePoolTable& pool = SpellTables.CandidatePool;
    bool kept = score >= KeptScore(pool.scanPass) && pool.count <= PoolCapacity - 1;
    // A capitalised query gets capitalised suggestions; the score stays that of the stored entry.
    bool capitalise = IsUpperLetter(SpellTables.QueryWord.ch[0]) && IsLowerLetter(entry.ch[0]);
    if (!kept && !capitalise)
        return;

    int16_t found = 0;
    if (FindCandidate(entry, found))
        return;
    if (capitalise) {
        ChangeCase(UpperCaseMode, entry.ch, 1);
        if (!kept || FindCandidate(entry, found))
            return;
    }
    AppendCandidate(entry, score);
}

void OfferMainEntry(int32_t k, int16_t score)
{
    WordField entry = SpellTables.MainWords[k];   // the offer may capitalise its copy
    OfferCandidate(entry, score);
}
