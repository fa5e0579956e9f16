#include <cstring>

#include "main_list_columns.h"
#include "main_list_profile.h"
#include "score_bound.h"
#include "scoring_rules.h"
#include "spell_tables.h"
#include "suggestion_internals.h"

namespace {

bool WholePoolKept = false;

// Passing over candidates that can no longer be selected is sound only for a text offered once in a
// lookup, at its one score: a later offer at a higher score would be appended where the first offer
// would have blocked it. The word's own first-letter run and the other first letters offer each entry
// once when the word does not begin with a capital (which makes capitalised copies of other entries),
// and no other scan follows them but the deletion boost, whose texts are never passed over. The pool
// would have filled with at most one candidate per visited entry: a lookup that might have filled it
// is done again in full.
struct PassingOver {
    bool active;
    int32_t visited;
};
PassingOver Passing = {false, 0};

// Whether the deletion boost may raise the entry: the word without one character, or two adjacent
// ones, after its first. The first place where they differ is where such a gap can be.
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

// The least score worth looking for in the entry at the scan's kept score.
int ScoreWorthSeeking(int kept, const WordField& word, int16_t n, const WordField& entry, int16_t m)
{
    if (!Passing.active)
        return kept;
    Passing.visited++;
    int selectable = LeastSelectableScore();
    if (selectable <= kept || MayBeRaised(word, n, entry, m))
        return kept;
    return selectable;
}

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

// Offers the entry at the plain pair's score when that reaches the threshold (the length gate passed).
void OfferPlainPair(int32_t k, int score, int threshold)
{
    if (score < threshold)
        return;
    WordField entry = SpellTables.MainWords[k];
    OfferCandidate(entry, static_cast<int16_t>(score));
}

// Looks closer at one entry of the initial run whose block bounds reached the scan's kept score.
void ScanRunEntry(const WordField& word, const WordProfile& profile, int32_t k, int16_t m, int threshold)
{
    const WordField& stored = SpellTables.MainWords[k];
    int16_t exactScore = -1;
    if (!MayReachScore(profile, stored, m, threshold, &exactScore))
        return;
    WordField entry = stored;
    if (exactScore >= 0)
        OfferCandidate(entry, exactScore);   // what the evaluation would score
    else
        EvaluateCandidate(word, profile.n, entry, m);
}

// Evaluates the main list entries from the letter's start that begin with ch, in list order, sixteen
// at a time: only entries whose bounds may reach the kept score are looked at closer.
void ScanInitialRun(const WordField& word, const WordProfile& profile, char ch)
{
    int16_t n = profile.n;
    int kept = KeptScore(SpellTables.CandidatePool.scanPass);
    int slot = LetterSlot(static_cast<unsigned char>(ch));
    if (slot < 1 || slot > LetterSlotCount)
        return;
    int32_t start = SpellTables.LetterStart[slot];
    if (start < 1)
        start = 1;   // the tables were never loaded
    ColumnQuery query;
    PrepareColumnQuery(word, n, query);
    bool mayDouble = IsLowerLetter(word.ch[0]) && ch == word.ch[0] - 'a' + 'A';
    // Where neither the word nor the entry holds a blank or a zero, the bounds are the plain pair's own
    // figures, and a pair that is never aligned is scored by them.
    bool boundsExact = !mayDouble && std::memchr(word.ch, ' ', static_cast<size_t>(n)) == nullptr &&
                       std::memchr(word.ch, '\0', static_cast<size_t>(n)) == nullptr;
    for (int32_t block = start / ColumnBlockWidth; block < ColumnBlockCount; block++) {
        int32_t first = block * ColumnBlockWidth;
        uint32_t inRun = BlockEntriesBeginningWith(block, ch);
        if (first < start)
            inRun &= ~((1u << (start - first)) - 1);   // lanes before the start
        // The run ends at its first entry that does not begin with ch.
        uint32_t fromStart = first < start ? ~((1u << (start - first)) - 1) : ~0u;
        uint32_t outside = ~inRun & fromStart & ((1u << ColumnBlockWidth) - 1);
        bool ends = outside != 0;
        if (ends)
            inRun &= (outside & (~outside + 1)) - 1;
        if (inRun != 0) {
            BlockBounds bounds;
            BoundBlock(query, block, bounds);
            for (; inRun != 0; inRun &= inRun - 1) {
                int j = LowestBitIndex(inRun);
                int32_t k = first + j;
                int16_t m = MainEntryLength(k);
                int threshold = ScoreWorthSeeking(kept, word, n, SpellTables.MainWords[k], m);
                if (!MayReachScoreWithin(n, m, bounds.points[j], bounds.placed[j], bounds.missing[j], mayDouble,
                                         MainEntryHoldsAlignmentMarks(k), threshold))
                    continue;
                if (boundsExact && !MayAlign(n, m) && !MainEntryHoldsInnerBlank(k))
                    OfferPlainPair(k, ScoreFromParts(bounds.points[j], n, m, bounds.missing[j], false), threshold);
                else
                    ScanRunEntry(word, profile, k, m, threshold);
            }
        }
        if (ends)
            return;
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

void ScanOtherInitial(const WordField& word, bool passOver)
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
        int kept = KeptScore(SpellTables.CandidatePool.scanPass);
        int32_t lastBlock = SpellTables.MainCount / 64;
        Passing.active = passOver;
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
                if (!MayReachScore(profile, stored, m, ScoreWorthSeeking(kept, masked, n, stored, m)))
                    continue;
                TryMaskedInitial(word, n, stored, m);
            }
        }
        Passing.active = false;
    }
    if (n >= SingleDeletionsFrom)
        BoostDeletions(word);
}

void ScanSameInitialRuns(const WordField& word, bool passOver)
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
    Passing.active = passOver;
    ScanInitialRun(word, profile, ch);
    Passing.active = false;
    char ch2 = ch;
    ChangeCase(IsLowerLetter(ch) ? UpperCaseMode : LowerCaseMode, &ch2, 1);
    ScanInitialRun(word, profile, ch2);
}

void FillCandidatePool(const WordField& word, bool wild, bool passOver)
{
    ResetCandidatePool();
    ClearSlotScores();
    Passing.visited = 0;
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
        ScanSameInitialRuns(word, passOver);
        ScanOtherInitial(word, passOver);
    }
}

} // namespace

void KeepWholeCandidatePool(bool keep)
{
    WholePoolKept = keep;
}

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
    bool wild = HasWildcard(word);
    bool passOver = !WholePoolKept && SpellTables.DebugListings != 1 && !wild && !IsUpperLetter(word.ch[0]);
    FillCandidatePool(word, wild, passOver);
    if (passOver && SpellTables.CandidatePool.count + Passing.visited >= PoolCapacity)
        FillCandidatePool(word, wild, false);

    if (SpellTables.DebugListings == 1)
        ShowUnsortedListing();
    SelectSuggestions();
    if (SpellTables.DebugListings == 1)
        ShowSortedListing();
}

void ScanSameInitial(const WordField& word)
{
    ScanSameInitialRuns(word, false);
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
