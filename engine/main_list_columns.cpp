#include "main_list_columns.h"

#include <cstring>

#include "main_list_profile.h"
#include "score_bound.h"
#include "scoring_rules.h"
#include "sixteen_lanes.h"

namespace {

// Two blank rows before and after the entries' 32 positions: the bound also looks two places off.
const int ColumnPadding = 2;
const int ColumnRows = ColumnPadding + WordWidth + ColumnPadding;

typedef unsigned char ColumnRow[ColumnBlockWidth];
alignas(16) ColumnRow Columns[ColumnBlockCount][ColumnRows];
int8_t BlockLongest[ColumnBlockCount];   // the longest trimmed length in the block
// Per block and entry: 1 where it holds alignment marks, an inner blank.
uint8_t EntryHoldsMarks[ColumnBlockCount][ColumnBlockWidth];
uint8_t EntryHoldsInnerBlank[ColumnBlockCount][ColumnBlockWidth];
int32_t BuiltBlocks;

// Sixteen byte lanes; a comparison gives 0xFF where equal, else 0.
#ifdef PENMAR_SIXTEEN_LANES
typedef __m128i Lanes;
inline Lanes Load(const ColumnRow& row) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(row)); }
inline void Store(uint8_t* out, Lanes a) { _mm_storeu_si128(reinterpret_cast<__m128i*>(out), a); }
inline Lanes Splat(unsigned char c) { return _mm_set1_epi8(static_cast<char>(c)); }
inline Lanes NoLanes() { return _mm_setzero_si128(); }
inline Lanes Equal(Lanes a, Lanes b) { return _mm_cmpeq_epi8(a, b); }
inline Lanes Both(Lanes a, Lanes b) { return _mm_and_si128(a, b); }
inline Lanes Either(Lanes a, Lanes b) { return _mm_or_si128(a, b); }
inline Lanes Without(Lanes a, Lanes b) { return _mm_andnot_si128(b, a); }
inline Lanes Add(Lanes a, Lanes b) { return _mm_add_epi8(a, b); }
inline uint32_t LaneBits(Lanes a) { return static_cast<uint32_t>(_mm_movemask_epi8(a)) & 0xFFFFu; }   // of 0xFF lanes
#else
// Two 64-bit halves; lane sums stay below 256, so plain additions never carry into the next lane.
struct Lanes {
    uint64_t half[2];
};
const uint64_t Low7 = 0x7F7F7F7F7F7F7F7Full;
inline Lanes Make(uint64_t a, uint64_t b) { Lanes l = {{a, b}}; return l; }
inline Lanes Load(const ColumnRow& row) { Lanes l; std::memcpy(l.half, row, sizeof l.half); return l; }
inline void Store(uint8_t* out, Lanes a) { std::memcpy(out, a.half, sizeof a.half); }
inline Lanes Splat(unsigned char c) { uint64_t s = 0x0101010101010101ull * c; return Make(s, s); }
inline Lanes NoLanes() { return Make(0, 0); }
inline uint64_t ZeroLanes(uint64_t x)   // 0xFF in exactly the zero bytes
{
    return ((~(((x & Low7) + Low7) | x | Low7)) >> 7) * 0xFF;
}
inline Lanes Equal(Lanes a, Lanes b) { return Make(ZeroLanes(a.half[0] ^ b.half[0]), ZeroLanes(a.half[1] ^ b.half[1])); }
inline Lanes Both(Lanes a, Lanes b) { return Make(a.half[0] & b.half[0], a.half[1] & b.half[1]); }
inline Lanes Either(Lanes a, Lanes b) { return Make(a.half[0] | b.half[0], a.half[1] | b.half[1]); }
inline Lanes Without(Lanes a, Lanes b) { return Make(a.half[0] & ~b.half[0], a.half[1] & ~b.half[1]); }
inline Lanes Add(Lanes a, Lanes b) { return Make(a.half[0] + b.half[0], a.half[1] + b.half[1]); }
inline uint32_t LaneBits(Lanes a)   // of 0xFF lanes: one bit per lane, lane 0 lowest
{
    const uint64_t gather = 0x0102040810204080ull;
    uint32_t low = static_cast<uint32_t>(((a.half[0] & 0x8080808080808080ull) >> 7) * gather >> 56);
    uint32_t high = static_cast<uint32_t>(((a.half[1] & 0x8080808080808080ull) >> 7) * gather >> 56);
    return low | (high << 8);
}
#endif

} // namespace

void BuildMainListColumns()
{
    int32_t used = SpellTables.MainCount / ColumnBlockWidth + 1;
    int32_t cleared = used > BuiltBlocks ? used : BuiltBlocks;
    std::memset(Columns, 0, sizeof(Columns[0]) * static_cast<size_t>(cleared));
    std::memset(BlockLongest, 0, sizeof BlockLongest[0] * static_cast<size_t>(cleared));
    std::memset(EntryHoldsMarks, 0, sizeof EntryHoldsMarks[0] * static_cast<size_t>(cleared));
    std::memset(EntryHoldsInnerBlank, 0, sizeof EntryHoldsInnerBlank[0] * static_cast<size_t>(cleared));
    for (int32_t k = 1; k <= SpellTables.MainCount; k++) {
        const WordField& entry = SpellTables.MainWords[k];
        ColumnRow* rows = Columns[k / ColumnBlockWidth] + ColumnPadding;
        int lane = k % ColumnBlockWidth;
        for (int p = 0; p < WordWidth; p++)
            rows[p][lane] = static_cast<unsigned char>(entry.ch[p]);
        int32_t block = k / ColumnBlockWidth;
        int8_t m = static_cast<int8_t>(MainEntryLength(k));
        if (m > BlockLongest[block])
            BlockLongest[block] = m;
        EntryHoldsMarks[block][lane] = HoldsAlignmentMarks(entry, m) ? 1 : 0;
        EntryHoldsInnerBlank[block][lane] = std::memchr(entry.ch, ' ', static_cast<size_t>(m)) != nullptr ? 1 : 0;
    }
    BuiltBlocks = used;
}

void PrepareColumnQuery(const WordField& word, int16_t n, ColumnQuery& query)
{
    query.n = n;
    // The plain score counts them for longer words, the aligned one for entries at least as long as
    // the word, which must be long enough to be aligned.
    query.countsMissing = n > CountMissingAbove || n >= AlignFromLength;
    unsigned char distinct[WordWidth + 1];
    int count = 0;
    distinct[count++] = ' ';   // the entry's trailing blanks are never missing
    for (int i = 0; i < n; i++) {
        unsigned char c = static_cast<unsigned char>(word.ch[i]);
        std::memset(query.ch[i], c, ColumnBlockWidth);
        if (std::memchr(distinct, c, static_cast<size_t>(count)) == nullptr)
            distinct[count++] = c;
    }
    for (int h = 0; h < count; h++)
        std::memset(query.held[h], distinct[h], ColumnBlockWidth);
    query.heldCount = count;
}

// The comparisons of position i with the entry's characters one and two places off reach into the
// padding rows and, past the entry's length, into its blanks; counting those only raises the bound.
// Blanks always count as held, which only lowers the count of missing characters.
void BoundBlock(const ColumnQuery& query, int32_t block, BlockBounds& bounds)
{
    const ColumnRow* rows = Columns[block] + ColumnPadding;
    const Lanes one = Splat(1);
    const Lanes samePoints = Splat(SamePlacePoints);
    const Lanes firstPoints = Splat(SamePlacePoints + FirstPlaceExtraPoint);
    const Lanes nearPoints = Splat(static_cast<unsigned char>(NearPoints(query.n)));
    const Lanes farPoints = Splat(FarPlacePoints);
    Lanes points = NoLanes(), placed = NoLanes(), missing = NoLanes();
    for (int i = 0; i < query.n; i++) {
        Lanes c = Load(query.ch[i]);
        Lanes same = Equal(Load(rows[i]), c);
        Lanes near = Equal(Load(rows[i + 1]), c);
        Lanes far = Equal(Load(rows[i + 2]), c);
        if (i >= 1)
            near = Either(near, Equal(Load(rows[i - 1]), c));
        if (i >= 2)
            far = Either(far, Equal(Load(rows[i - 2]), c));
        near = Without(near, same);
        far = Without(far, Either(same, near));
        Lanes earned = Either(Both(same, i == 0 ? firstPoints : samePoints), Both(near, nearPoints));
        points = Add(points, Either(earned, Both(far, farPoints)));
        placed = Add(placed, Both(Either(Either(same, near), far), one));
    }
    int longest = query.countsMissing ? BlockLongest[block] : 0;   // else none need counting
    for (int p = 0; p < longest; p++) {
        Lanes column = Load(rows[p]);
        Lanes held = NoLanes();
        for (int h = 0; h < query.heldCount; h++)
            held = Either(held, Equal(column, Load(query.held[h])));
        missing = Add(missing, Without(one, held));
    }
    Store(bounds.points, points);
    Store(bounds.placed, placed);
    Store(bounds.missing, missing);
    std::memcpy(bounds.length, MainEntryLengthsFrom(block * ColumnBlockWidth), ColumnBlockWidth);
    std::memcpy(bounds.holdsMarks, EntryHoldsMarks[block], ColumnBlockWidth);
    std::memcpy(bounds.holdsInnerBlank, EntryHoldsInnerBlank[block], ColumnBlockWidth);
}

namespace {

uint32_t LanesMayReachOneByOne(const ColumnQuery& query, const BlockBounds& bounds, bool mayDouble, int threshold)
{
    uint32_t lanes = 0;
    for (int j = 0; j < ColumnBlockWidth; j++)
        if (MayReachScoreWithin(query.n, bounds.length[j], bounds.points[j], bounds.placed[j], bounds.missing[j],
                                mayDouble, bounds.holdsMarks[j] != 0, threshold))
            lanes |= 1u << j;
    return lanes;
}

#ifdef PENMAR_SIXTEEN_LANES
// Lane arithmetic on bytes saturates: scores stay exact below 256, and only thresholds below it are
// compared in lanes. The aligned score is that of an entry at least as long as an aligned word.
static_assert(AlignFromLength > CountMissingAbove && AlignFromLength > ShortWordLength,
              "the aligned score counts missing letters and the long words' equal-length bonus");

Lanes Times(Lanes a, int factor)
{
    Lanes product = NoLanes();
    for (int i = 0; i < factor; i++)
        product = _mm_adds_epu8(product, a);
    return product;
}

Lanes AtLeast(Lanes a, Lanes b)
{
    return Equal(_mm_max_epu8(a, b), a);
}

uint32_t LanesMayReachTogether(const ColumnQuery& query, const BlockBounds& bounds, bool mayDouble, int threshold)
{
    int n = query.n;
    Lanes m = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bounds.length));
    Lanes points = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bounds.points));
    Lanes placed = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bounds.placed));
    Lanes missingCost = Times(_mm_loadu_si128(reinterpret_cast<const __m128i*>(bounds.missing)), MissingLetterCost);
    Lanes marks = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bounds.holdsMarks));
    Lanes wordLength = Splat(static_cast<unsigned char>(n));
    Lanes least = Splat(static_cast<unsigned char>(threshold));

    Lanes difference = Either(_mm_subs_epu8(wordLength, m), _mm_subs_epu8(m, wordLength));
    int mostDifference = n <= GateShortLength ? GateShortMostDifference : GateMostDifference;
    Lanes gate = AtLeast(Splat(static_cast<unsigned char>(mostDifference)), difference);
    Lanes plain = points;
    if (n > CountMissingAbove)
        plain = _mm_subs_epu8(plain, missingCost);
    plain = _mm_adds_epu8(plain, Both(Equal(m, wordLength), Splat(static_cast<unsigned char>(EqualLengthPoints(n)))));
    if (mayDouble)
        plain = Times(plain, CapitalMatchFactor);
    Lanes reaches = Both(gate, AtLeast(plain, least));
    Lanes mayScore = gate;
    if (n >= AlignFromLength) {
        Lanes mayAlign = Equal(_mm_subs_epu8(wordLength, m), NoLanes());   // m >= n
        int longestPlaced = AlignedShare * (n + 1) - 1;                     // PlacesEnough(n, m) up to it
        mayScore = Either(mayScore, Both(mayAlign, Equal(_mm_subs_epu8(m, Splat(static_cast<unsigned char>(
                                                                                 longestPlaced))), NoLanes())));
        Lanes aligned = _mm_adds_epu8(Times(placed, SamePlacePoints), Splat(FirstPlaceExtraPoint));
        aligned = _mm_adds_epu8(_mm_subs_epu8(aligned, missingCost), Splat(EqualLengthBonus));
        Lanes alignedReaches = Either(Equal(marks, Splat(1)), AtLeast(aligned, least));
        reaches = Either(reaches, Both(mayAlign, alignedReaches));
    }
    return LaneBits(Both(reaches, mayScore));
}
#endif

} // namespace

uint32_t LanesMayReach(const ColumnQuery& query, const BlockBounds& bounds, bool mayDouble, int threshold)
{
#ifdef PENMAR_SIXTEEN_LANES
    if (threshold >= 1 && threshold <= 255)
        return LanesMayReachTogether(query, bounds, mayDouble, threshold);
#endif
    return LanesMayReachOneByOne(query, bounds, mayDouble, threshold);
}

uint32_t LanesOfLength(const BlockBounds& bounds, int m)
{
    return m < 0 ? 0u : LaneBits(Equal(Load(bounds.length), Splat(static_cast<unsigned char>(m))));
}

uint32_t BlockEntriesBeginningWith(int32_t block, char ch)
{
    uint32_t entries = LaneBits(Equal(Load(Columns[block][ColumnPadding]), Splat(static_cast<unsigned char>(ch))));
    int32_t first = block * ColumnBlockWidth;
    if (first == 0)
        entries &= ~1u;   // entry 0 is not part of the list
    int32_t past = SpellTables.MainCount + 1 - first;   // lanes from here on lie past the list
    if (past < ColumnBlockWidth)
        entries &= past <= 0 ? 0u : (1u << past) - 1;
    return entries;
}
