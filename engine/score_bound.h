// The scorer's rules for a pair, and a quick upper bound on the score a word can earn against an
// entry. The scans pass over entries whose bound stays below what the pool keeps; since they discard
// their entry copies, skipping such an entry changes nothing. The bound is built from the same rules
// as the score, so that it cannot drift from it.
#pragma once
#include <cstdint>

#include "position_match.h"
#include "scoring_rules.h"
#include "word_field.h"

struct WordProfile {
    WordField word;
    int16_t n;                      // trimmed length
    CharacterPositions positions;   // of the word's n characters
};

void ProfileWord(const WordField& word, int16_t n, WordProfile& profile);

// Whether the entry's first m characters hold a hyphen or an underscore, which the alignment also writes.
bool HoldsAlignmentMarks(const WordField& entry, int m);

// False when EvaluateCandidate of the word against the entry of length m can only end below threshold.
// exactScore, when given, receives the pair's score when the bound knows it to be the one
// EvaluateCandidate gives (the word is then not laid along the entry), else -1.
bool MayReachScore(const WordProfile& word, const WordField& entry, int16_t m, int threshold,
                   int16_t* exactScore = nullptr);

// MayReachScore's answer from bounds on the pair: at most the position points and the positions whose
// character the entry holds within two places, at least the entry's characters the word lacks; with
// mayDouble when the pair may earn the capital match and holdsMarks when the entry holds a hyphen or
// an underscore. False only when MayReachScore is false too.
inline bool MayReachScoreWithin(int n, int m, int points, int placed, int missing, bool mayDouble,
                                bool holdsMarks, int threshold)
{
    if (!EvaluationMayScore(n, m))
        return false;
    if (PassesLengthGate(n, m) && ScoreFromParts(points, n, m, missing, mayDouble) >= threshold)
        return true;
    return MayAlign(n, m) && (holdsMarks || ScoreFromParts(MostPositionPoints(placed), m, m, missing, false) >= threshold);
}
