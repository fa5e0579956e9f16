#include "score_bound.h"

#include "main_list_profile.h"
#include "suggestion_rules.h"

namespace {

const uint64_t UnderscoreBit = uint64_t(1) << ('_' & 63);
const uint64_t HyphenBit = uint64_t(1) << ('-' & 63);
const uint64_t BlankBit = uint64_t(1) << (' ' & 63);

// Letter points are at most 6 a position (7 for the first); each entry character the word lacks
// costs 2 more than the floor at 0 lets it; equal lengths add their bonus; a capital match doubles.
int Bound(int heldPositions, int missing, int equalBonus, bool mayDouble)
{
    int score = 6 * heldPositions + 1 - 2 * missing;
    if (score < 0)
        score = 0;
    score += equalBonus;
    return mayDouble ? score * 2 : score;
}

} // namespace

int CountBits(uint64_t bits)
{
    bits = bits - ((bits >> 1) & 0x5555555555555555ull);
    bits = (bits & 0x3333333333333333ull) + ((bits >> 2) & 0x3333333333333333ull);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((bits * 0x0101010101010101ull) >> 56);
}

int LowestBitIndex(uint64_t bits)
{
    static const int8_t Positions[64] = {
        0,  1,  2,  53, 3,  7,  54, 27, 4,  38, 41, 8,  34, 55, 48, 28, 62, 5,  39, 46, 44, 42,
        22, 9,  24, 35, 59, 56, 49, 18, 29, 11, 63, 52, 6,  26, 37, 40, 33, 47, 61, 45, 43, 21,
        23, 58, 17, 10, 51, 25, 36, 32, 60, 20, 57, 16, 50, 31, 19, 15, 30, 14, 13, 12};
    return Positions[((bits & (~bits + 1)) * 0x022FDD63CC95386Dull) >> 58];
}

void ProfileWord(const WordField& word, int16_t n, WordProfile& profile)
{
    profile.n = n;
    profile.mask = CharacterMask(word.ch, n);
    profile.underscores = 0;
    profile.first = word.ch[0];
    profile.layerCount = 0;
    for (int i = 0; i < n; i++) {
        // The character's bit goes into the first layer that does not hold it yet.
        uint64_t bit = uint64_t(1) << (static_cast<unsigned char>(word.ch[i]) & 63);
        int k = 0;
        while (k < profile.layerCount && (profile.layers[k] & bit) != 0)
            k++;
        if (k == profile.layerCount)
            profile.layers[profile.layerCount++] = 0;
        profile.layers[k] |= bit;
        profile.underscores += word.ch[i] == '_';
    }
}

bool MayReachScore(const WordProfile& word, int16_t m, uint64_t entryMask, char entryFirst, int threshold)
{
    int n = word.n;
    if (!EvaluationMayScore(n, m))
        return false;
    if (entryMask & UnderscoreBit)
        return true;   // the alignment's underscores could meet the entry's own
    if (word.mask & BlankBit)
        return true;   // an inner blank could meet the entry's trailing blanks, which no mask shows

    // Word positions whose character the entry may hold.
    int held = 0;
    for (int k = 0; k < word.layerCount; k++)
        held += CountBits(word.layers[k] & entryMask);

    // Capital match: the entry is the word with its lower-case first letter raised.
    bool mayDouble = IsLowerLetter(word.first) && entryFirst == word.first - 'a' + 'A';
    if (PassesLengthGate(n, m)) {
        int missing = n > 5 ? CountBits(entryMask & ~word.mask) : 0;
        int equalBonus = n == m ? (n <= 4 ? 8 : 5) : 0;
        if (Bound(held, missing, equalBonus, mayDouble) >= threshold)
            return true;
    }
    // The aligned form holds the word's characters, underscores and hyphens, on at most as many
    // positions as it placed, and is scored with length m against the entry.
    int mayPlace = held + word.underscores;
    if (n >= 7 && n <= m && mayPlace >= m / 2) {
        int missing = CountBits(entryMask & ~(word.mask | UnderscoreBit | HyphenBit));
        if (Bound(mayPlace, missing, 5, IsUpperLetter(entryFirst)) >= threshold)
            return true;
    }
    return false;
}
