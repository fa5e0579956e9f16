// The rules by which a word list entry earns its score against the word looked up, named once for the
// scorer, its bound, the scans, the wildcard search and the debug listings, so that none can drift
// from another. n is the word's length, m the entry's.
#pragma once

// What one character of the word earns where the entry holds the same character.
const int SamePlacePoints = 6;            // in the same place
const int FirstPlaceExtraPoint = 1;       // and one more for the first place
const int NearPlacePoints = 5;            // one place off
const int ShortWordNearPlacePoints = 3;   // one place off, in a short word
const int FarPlacePoints = 2;             // two places off
const int ShortWordLength = 4;            // a short word has at most this many characters

// Each of the entry's characters that the word lacks costs points, in words longer than this.
const int MissingLetterCost = 2;
const int CountMissingAbove = 5;

const int EqualLengthBonus = 5;
const int ShortWordEqualLengthBonus = 8;

// A word whose lower-case first letter the entry has in upper case ("london", "London") scores double.
const int CapitalMatchFactor = 2;

// The length gate: words of up to GateShortLength characters pass only small differences.
const int GateShortLength = 5;
const int GateShortMostDifference = 2;
const int GateMostDifference = 4;

// A word of at least AlignFromLength characters, not longer than the entry, is first laid along it;
// the aligned form is used when it places at least one for every AlignedShare of the entry's letters.
// A letter at most AlignReach places from where the entry has it is laid there; one farther off is
// marked with a hyphen.
const int AlignFromLength = 7;
const int AlignedShare = 2;
const int AlignReach = 2;

// The least score the pool keeps from the first scan and from the second.
const int FirstScanKeeps = 15;
const int SecondScanKeeps = 16;

// The wildcard search scores a match by how close its length comes to the pattern's.
const int WildcardTopScore = 15;
const int WildcardLeastScore = 1;

// Words of at least this length are also compared with entries of other first letters.
const int OtherInitialsFrom = 5;

// After the scans, a candidate that the word holds with one character too many (or, for longer words,
// two together) gains a third of its score and a little more, up to a ceiling.
const int SingleDeletionsFrom = 4;    // word length
const int DoubleDeletionsFrom = 5;
const int BoostDivisor = 3;
const int SingleDeletionExtra = 2;
const int DoubleDeletionExtra = 1;
const int BoostCeiling = 512;

// The debug listing of the pool shows candidates scoring above this.
const int ListedScoreAbove = 4;

inline int NearPoints(int n)
{
    return n <= ShortWordLength ? ShortWordNearPlacePoints : NearPlacePoints;
}

inline int EqualLengthPoints(int n)
{
    return n <= ShortWordLength ? ShortWordEqualLengthBonus : EqualLengthBonus;
}

// The gate ScoreCandidate applies before it scores a pair of lengths n and m.
inline bool PassesLengthGate(int n, int m)
{
    int d = n > m ? n - m : m - n;
    if (d > GateShortMostDifference && n <= GateShortLength)
        return false;
    return d <= GateMostDifference;
}

inline bool MayAlign(int n, int m)
{
    return n >= AlignFromLength && n <= m;
}

inline bool PlacesEnough(int placed, int m)
{
    return placed >= m / AlignedShare;
}

// False only when EvaluateCandidate provably scores nothing for a word of length n and an entry of
// length m: neither the aligned form (scored with length m against m) nor the plain pair can pass.
inline bool EvaluationMayScore(int n, int m)
{
    if (MayAlign(n, m) && PlacesEnough(n, m))
        return true;
    return PassesLengthGate(n, m);
}

// The score from the pair's position points and the number of entry characters the word lacks:
// those cost points in longer words (never below 0), then the equal-length bonus, then the capital
// match doubles.
inline int ScoreFromParts(int positionPoints, int n, int m, int missing, bool capitalMatch)
{
    int score = positionPoints;
    if (n > CountMissingAbove) {
        score -= MissingLetterCost * missing;
        if (score < 0)
            score = 0;
    }
    if (n == m)
        score += EqualLengthPoints(n);
    return capitalMatch ? score * CapitalMatchFactor : score;
}

// The most position points a word can earn with that many positions whose characters the entry holds.
inline int MostPositionPoints(int heldPositions)
{
    return SamePlacePoints * heldPositions + FirstPlaceExtraPoint;
}

// The least score kept in the given scan (1: the same-initial scan, 2: the other-initial scan).
inline int KeptScore(int scanPass)
{
    return scanPass == 1 ? FirstScanKeeps : SecondScanKeeps;
}

inline int WildcardScore(int patternLength, int entryLength)
{
    int difference = patternLength > entryLength ? patternLength - entryLength : entryLength - patternLength;
    int score = WildcardTopScore - difference;
    return score < WildcardLeastScore ? WildcardLeastScore : score;
}
