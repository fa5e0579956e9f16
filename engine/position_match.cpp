#include "position_match.h"

#include <cstring>

#include "score_bound.h"
#include "scoring_rules.h"

// Sixteen characters compared at a time where the processor has the instructions for it.
#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define PENMAR_COMPARE_SIXTEEN 1
#include <emmintrin.h>
#endif

namespace {

const int EntryPadding = 8;   // before and after the entry's 32 characters

// Bit i - 1 set when word position i holds the same character as entry position i + offset
// (-2 <= offset <= 2), for all 32 positions; padded holds the entry between zero paddings.
uint32_t SameAt(const WordField& word, const unsigned char* padded, int offset)
{
    const unsigned char* entry = padded + EntryPadding + offset;
#ifdef PENMAR_COMPARE_SIXTEEN
    __m128i w0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(word.ch));
    __m128i w1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(word.ch + 16));
    __m128i e0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(entry));
    __m128i e1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(entry + 16));
    uint32_t low = static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(w0, e0))) & 0xFFFFu;
    uint32_t high = static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(w1, e1))) & 0xFFFFu;
    return low | (high << 16);
#else
    uint32_t bits = 0;
    for (int i = 0; i < WordWidth; i++)
        if (static_cast<unsigned char>(word.ch[i]) == entry[i])
            bits |= uint32_t(1) << i;
    return bits;
#endif
}

} // namespace

void AddCharacterPositions(const WordField& word, int n, CharacterPositions& positions)
{
    for (int i = 0; i < n; i++)
        positions.at[static_cast<unsigned char>(word.ch[i])] |= uint32_t(1) << i;
}

void RemoveCharacterPositions(const WordField& word, int n, CharacterPositions& positions)
{
    for (int i = 0; i < n; i++)
        positions.at[static_cast<unsigned char>(word.ch[i])] = 0;
}

// The comparisons that reach into the padding are masked off: one and two places back only from
// positions 2 and 3 on, one and two places on only within the entry's m characters. Past m, the
// entry's own trailing blanks take part.
PositionMatch MatchPositions(const WordField& word, int n, const WordField& entry, int m)
{
    unsigned char padded[EntryPadding + WordWidth + EntryPadding] = {};
    std::memcpy(padded + EntryPadding, entry.ch, WordWidth);
    uint32_t inWord = FirstPositions(n);
    uint32_t same = SameAt(word, padded, 0) & inWord;
    uint32_t near = ((SameAt(word, padded, 1) & FirstPositions(m - 1)) | (SameAt(word, padded, -1) & ~1u));
    uint32_t far = ((SameAt(word, padded, 2) & FirstPositions(m - 2)) | (SameAt(word, padded, -2) & ~3u));
    PositionMatch match;
    match.same = same;
    match.near = near & inWord & ~same;
    match.far = far & inWord & ~same & ~match.near;
    return match;
}

int16_t PositionPoints(const PositionMatch& match, int n)
{
    int firstPlace = static_cast<int>(match.same & 1) * FirstPlaceExtraPoint;
    return static_cast<int16_t>(SamePlacePoints * CountBits(match.same) + firstPlace +
                                NearPoints(n) * CountBits(match.near) + FarPlacePoints * CountBits(match.far));
}
