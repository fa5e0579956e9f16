#include <cstring>

#include "main_list_profile.h"
#include "score_bound.h"
#include "scoring_rules.h"
#include "spell_tables.h"
#include "suggestion_internals.h"

namespace {

// 1-based position of the first occurrence of needle (needleLength characters) within the first
// hayLength characters of hay; 0 when absent. An empty needle is found at position 1.
int PositionOfText(const char* needle, int needleLength, const char* hay, int hayLength)
{
    if (needleLength <= 0)
        return needleLength == 0 ? 1 : 0;
    for (int start = 0; start + needleLength <= hayLength; start++) {
        if (hay[start] != needle[0])
            continue;
        int i = 1;
        while (i < needleLength && hay[start + i] == needle[i])
            i++;
        if (i == needleLength)
            return start + 1;
    }
    return 0;
}

bool IsReservedWord(const WordField& word, const char* reserved)
{
    WordField field;
    CopyToField(field.ch, WordWidth, reserved, static_cast<int>(std::strlen(reserved)));
    return SameWord(word, field);
}

void ClearSlotScores()
{
    for (int r = 1; r <= SuggestionSlots; r++)
        SpellTables.SuggestionList.slotScore[r] = 0;
}

// Evaluates the main list entries from the letter's start that begin with ch.
void ScanInitialRun(const WordField& word, const WordProfile& profile, char ch)
{
    int16_t n = profile.n;
    int threshold = KeptScore(SpellTables.CandidatePool.scanPass);
    int slot = LetterSlot(static_cast<unsigned char>(ch));
    if (slot < 1 || slot > LetterSlotCount)
        return;
    int32_t start = SpellTables.LetterStart[slot];
    if (start < 1)
        start = 1;   // the tables were never loaded
    for (int32_t k = start; k <= SpellTables.MainCount; k++) {
        const WordField& stored = SpellTables.MainWords[k];
        if (stored.ch[0] != ch)
            return;
        int16_t m = MainEntryLength(k);
        int16_t exactScore = -1;
        if (!MayReachScore(profile, stored, m, threshold, &exactScore))
            continue;
        WordField entry = stored;
        if (exactScore >= 0)
            OfferCandidate(entry, exactScore);   // what the evaluation would score
        else
            EvaluateCandidate(word, n, entry, m);
    }
}

// The word with the prefix row's from-text replaced by its to-text, when the word begins with it.
bool PrefixVariant(const WordField& word, int r, WordField& variant)
{
    int fromLength = SpellTables.PrefixFromLength[r];
    if (std::memcmp(word.ch, SpellTables.PrefixFrom[r], static_cast<size_t>(fromLength)) != 0)
        return false;
    int toLength = SpellTables.PrefixToLength[r];
    char joined[PrefixTextWidth + WordWidth];
    std::memcpy(joined, SpellTables.PrefixTo[r], static_cast<size_t>(toLength));
    std::memcpy(joined + toLength, word.ch + fromLength, static_cast<size_t>(WordWidth - fromLength));
    CopyToField(variant.ch, WordWidth, joined, toLength + WordWidth - fromLength);
    return true;
}

// The word without the characters at positions i .. i + count - 1, blank-padded.
WordField WithoutChars(const WordField& word, int i, int count)
{
    WordField shorter;
    FillBlanks(shorter);
    std::memcpy(shorter.ch, word.ch, static_cast<size_t>(i - 1));
    int from = i + count;   // 1-based position of the first character kept after the gap
    if (from <= WordWidth)
        std::memcpy(shorter.ch + i - 1, word.ch + from - 1, static_cast<size_t>(WordWidth - from + 1));
    return shorter;
}

void RaiseScore(const WordField& text, int16_t extra)
{
    int16_t p = 0;
    if (!FindCandidate(text, p))
        return;
    int16_t& score = SpellTables.CandidatePool.scores[p];
    int raised = score + score / BoostDivisor + extra;
    score = static_cast<int16_t>(raised < BoostCeiling ? raised : BoostCeiling);
}

void TryMaskedInitial(const WordField& word, int16_t n, const WordField& entry, int16_t m)
{
    int h = (n + 1) / 2;
    const char* tail = word.ch + h;
    int t = TrimmedLength(tail, WordWidth - h);
    if (PositionOfText(tail, t, entry.ch, m) == 0) {
        int q = h / 2 + 1;
        const char* mid = word.ch + q - 1;
        t = TrimmedLength(mid, h);
        if (PositionOfText(mid, t, entry.ch, m) == 0)
            return;
    }
    WordField masked = word;
    masked.ch[0] = '_';
    WordField copy = entry;
    EvaluateCandidate(masked, TrimmedLength(masked), copy, m);
}

void ScanOtherInitial(const WordField& word)
{
    SpellTables.CandidatePool.scanPass = 2;
    int16_t n = TrimmedLength(word);
    if (n <= 1)
        return;
    if (n >= OtherInitialsFrom) {
        // TryMaskedInitial evaluates an entry only when it holds the word's tail or middle, which needs
        // at least their characters: only such entries are visited, in list order. Entries against
        // which the masked word (of length n too) cannot score enough are passed over as well.
        // Holding a text needs its characters and its pairs of adjacent characters.
        int h = (n + 1) / 2;
        int tailLength = TrimmedLength(word.ch + h, WordWidth - h);
        uint64_t tailMask = CharacterMask(word.ch + h, tailLength);
        uint64_t tailPairs = PairMask(word.ch + h, tailLength);
        int q = h / 2 + 1;
        int midLength = TrimmedLength(word.ch + q - 1, h);
        uint64_t midMask = CharacterMask(word.ch + q - 1, midLength);
        uint64_t midPairs = PairMask(word.ch + q - 1, midLength);
        WordField masked = word;
        masked.ch[0] = '_';
        WordProfile profile;
        ProfileWord(masked, n, profile);
        int threshold = KeptScore(SpellTables.CandidatePool.scanPass);
        int32_t lastBlock = SpellTables.MainCount / 64;
        for (int32_t block = 0; block <= lastBlock; block++) {
            uint64_t tailHolders = EntriesHoldingAll(tailMask, block);
            if (tailHolders != 0)
                tailHolders &= EntriesHoldingAllPairs(tailPairs, block);
            uint64_t midHolders = EntriesHoldingAll(midMask, block);
            if (midHolders != 0)
                midHolders &= EntriesHoldingAllPairs(midPairs, block);
            uint64_t entries = tailHolders | midHolders;
            for (; entries != 0; entries &= entries - 1) {
                int32_t k = block * 64 + LowestBitIndex(entries);
                if (k < 1 || k > SpellTables.MainCount)
                    continue;
                const WordField& stored = SpellTables.MainWords[k];
                if (stored.ch[0] == word.ch[0])
                    continue;
                int16_t m = MainEntryLength(k);
                if (!MayReachScore(profile, stored, m, threshold))
                    continue;
                TryMaskedInitial(word, n, stored, m);
            }
        }
    }
    if (n >= SingleDeletionsFrom)
        BoostDeletions(word);
}

} // namespace

void SuggestWords(const WordField& word)
{
    SpellTables.QueryWord = word;
    if (IsReservedWord(word, "debugon")) {
        SpellTables.DebugListings = 1;
        return;
    }
    if (IsReservedWord(word, "debugoff")) {
        SpellTables.DebugListings = 0;
        return;
    }
    ResetCandidatePool();
    ClearSlotScores();
    bool wild = HasWildcard(word);

    for (int r = 1; r <= SpellTables.PrefixCount; r++) {
        WordField variant;
        if (!PrefixVariant(word, r, variant))
            continue;
        if (wild)
            WildcardSearch(variant);
        else
            ScanSameInitial(variant);
    }
    if (wild) {
        WildcardSearch(word);
    } else {
        ScanSameInitial(word);
        ScanOtherInitial(word);
    }

    if (SpellTables.DebugListings == 1)
        ShowUnsortedListing();
    SelectSuggestions();
    if (SpellTables.DebugListings == 1)
        ShowSortedListing();
}

void ScanSameInitial(const WordField& word)
{
    SpellTables.CandidatePool.scanPass = 1;
    int16_t n = TrimmedLength(word);
    if (n <= 1)
        return;
    for (int32_t j = 1; j <= SpellTables.LocalCount; j++) {
        WordField entry = SpellTables.LocalWords[j];
        EvaluateCandidate(word, n, entry, TrimmedLength(entry));
    }
    WordProfile profile;
    ProfileWord(word, n, profile);
    char ch = word.ch[0];
    ScanInitialRun(word, profile, ch);
    char ch2 = ch;
    ChangeCase(IsLowerLetter(ch) ? UpperCaseMode : LowerCaseMode, &ch2, 1);
    ScanInitialRun(word, profile, ch2);
}

void BoostDeletions(const WordField& word)
{
    int16_t n = TrimmedLength(word);
    for (int i = 2; i <= n; i++) {
        RaiseScore(WithoutChars(word, i, 1), SingleDeletionExtra);
        if (n >= DoubleDeletionsFrom)
            RaiseScore(WithoutChars(word, i, 2), DoubleDeletionExtra);
    }
}
