#include "score_bound.h"

#include <cstring>

#include "bit_sets.h"

void ProfileWord(const WordField& word, int16_t n, WordProfile& profile)
{
    profile.word = word;
    profile.n = n;
    std::memset(&profile.positions, 0, sizeof profile.positions);
    AddCharacterPositions(word, n, profile.positions);
}

bool HoldsAlignmentMarks(const WordField& entry, int m)
{
    for (int j = 0; j < m; j++)
        if (entry.ch[j] == '-' || entry.ch[j] == '_')
            return true;
    return false;
}

// The plain pair is scored exactly. The aligned form holds the word's characters, each at an entry
// position that holds the same character within two places of where the word has it, and underscores
// and hyphens elsewhere, which score nothing against an entry without them. Its first character is
// the entry's own, an underscore or a hyphen, so it never earns the capital match; and every entry
// character the word lacks, it lacks too. The alignment places only characters the entry holds, and
// the word's underscores (which it also finds among the entry's used-up letters); it is used only
// when it places at least half as many as the entry has.
bool MayReachScore(const WordProfile& word, const WordField& entry, int16_t m, int threshold,
                   int16_t* exactScore)
{
    if (exactScore != nullptr)
        *exactScore = -1;
    int n = word.n;
    if (!EvaluationMayScore(n, m))
        return false;
    // First from which characters the entry holds: a position scores only when its character is held,
    // and a blank of the word may also meet one of the entry's trailing blanks.
    uint32_t held = 0;
    int missing = 0;
    MatchCharacters(word.positions, entry, m, held, missing);
    int heldPoints = MostPositionPoints(CountBits(held | word.positions.at[static_cast<unsigned char>(' ')]));
    const char* w = word.word.ch;
    bool mayDouble = IsLowerLetter(w[0]) && entry.ch[0] == w[0] - 'a' + 'A';
    bool plain = PassesLengthGate(n, m) && ScoreFromParts(heldPoints, n, m, missing, mayDouble) >= threshold;
    int mayPlace = CountBits(held | word.positions.at[static_cast<unsigned char>('_')]);
    bool aligned = MayAlign(n, m) && PlacesEnough(mayPlace, m);
    if (!plain && !(aligned && ScoreFromParts(heldPoints, m, m, missing, false) >= threshold))
        return aligned && HoldsAlignmentMarks(entry, m);

    // Then from where they stand.
    PositionMatch match = MatchPositions(word.word, n, entry, m);
    if (plain) {
        bool capitalMatch = mayDouble && std::memcmp(w + 1, entry.ch + 1, WordWidth - 1) == 0;
        int score = ScoreFromParts(PositionPoints(match, n), n, m, missing, capitalMatch);
        if (score >= threshold) {
            if (exactScore != nullptr && !aligned)
                *exactScore = static_cast<int16_t>(score);
            return true;
        }
    }
    if (!aligned)
        return false;
    int letters = CountBits(match.same | match.near | match.far);
    if (ScoreFromParts(MostPositionPoints(letters), m, m, missing, false) >= threshold)
        return true;
    return HoldsAlignmentMarks(entry, m);
}
