#include "position_match.h"

#include <cstring>

#include "bit_sets.h"
#include "scoring_rules.h"
#include "sixteen_lanes.h"

namespace {

const int EntryPadding = 8;   // before and after the entry's 32 characters

#ifndef PENMAR_SIXTEEN_LANES
const uint64_t Low7 = 0x7F7F7F7F7F7F7F7Full;

// Bit i (0..7) set when byte i of x is zero.
uint32_t ZeroBytes(uint64_t x)
{
    uint64_t zero = ~(((x & Low7) + Low7) | x | Low7);   // 0x80 in exactly the zero bytes
    return static_cast<uint32_t>(((zero >> 7) * 0x0102040810204080ull) >> 56);
}
#endif

// Bit i - 1 set when word position i holds the same character as entry position i + offset
// (-2 <= offset <= 2), for the word's first n positions at least; padded holds the entry between
// zero paddings.
uint32_t SameAt(const WordField& word, int n, const unsigned char* padded, int offset)
{
    const unsigned char* entry = padded + EntryPadding + offset;
#ifdef PENMAR_SIXTEEN_LANES
    (void)n;
    __m128i w0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(word.ch));
    __m128i w1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(word.ch + 16));
    __m128i e0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(entry));
    __m128i e1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(entry + 16));
    uint32_t low = static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(w0, e0))) & 0xFFFFu;
    uint32_t high = static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(w1, e1))) & 0xFFFFu;
    return low | (high << 16);
#else
    // Eight characters at a time, character 1 in the lowest byte (the targets are little-endian).
    uint32_t bits = 0;
    for (int c = 0; c < (n + 7) / 8; c++) {
        uint64_t w, e;
        std::memcpy(&w, word.ch + 8 * c, 8);
        std::memcpy(&e, entry + 8 * c, 8);
        bits |= ZeroBytes(w ^ e) << (8 * c);
    }
    return bits;
#endif
}

} // namespace

void AddCharacterPositions(const WordField& word, int n, CharacterPositions& positions)
{
    for (int i = 0; i < n; i++)
        positions.at[static_cast<unsigned char>(word.ch[i])] |= uint32_t(1) << i;
}

// The comparisons that reach into the padding are masked off: one and two places back only from
// positions 2 and 3 on, one and two places on only within the entry's m characters. Past m, the
// entry's own trailing blanks take part.
PositionMatch MatchPositions(const WordField& word, int n, const WordField& entry, int m)
{
    unsigned char padded[EntryPadding + WordWidth + EntryPadding] = {};
    std::memcpy(padded + EntryPadding, entry.ch, WordWidth);
    uint32_t inWord = FirstPositions(n);
    uint32_t same = SameAt(word, n, padded, 0) & inWord;
    uint32_t near = ((SameAt(word, n, padded, 1) & FirstPositions(m - 1)) | (SameAt(word, n, padded, -1) & ~1u));
    uint32_t far = ((SameAt(word, n, padded, 2) & FirstPositions(m - 2)) | (SameAt(word, n, padded, -2) & ~3u));
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
