#include "position_match.h"

#include <cstring>

#include "score_bound.h"

namespace {

const uint64_t Low7 = 0x7F7F7F7F7F7F7F7Full;

// Bit i (0..7) set when byte i of x is zero.
uint32_t ZeroBytes(uint64_t x)
{
    uint64_t zero = ~(((x & Low7) + Low7) | x | Low7);   // 0x80 in exactly the zero bytes
    return static_cast<uint32_t>(((zero >> 7) * 0x0102040810204080ull) >> 56);
}

} // namespace

// The entry is read in 8-character chunks, character 1 in the lowest byte (the targets are
// little-endian); the chunks one and two characters on either side are shifted out of neighbours.
PositionMatch MatchPositions(const WordField& word, int n, const WordField& entry, int m)
{
    uint64_t chunks[6] = {0, 0, 0, 0, 0, 0};   // spare chunks around the entry, always masked off
    std::memcpy(chunks + 1, entry.ch, WordWidth);
    uint32_t same = 0, near = 0, far = 0;
    int used = (n + 7) / 8;   // only the word's first n positions count
    for (int c = 0; c < used; c++) {
        uint64_t w;
        std::memcpy(&w, word.ch + 8 * c, 8);
        uint64_t prev = chunks[c], cur = chunks[c + 1], next = chunks[c + 2];
        int shift = 8 * c;
        same |= ZeroBytes(w ^ cur) << shift;
        uint32_t after1 = ZeroBytes(w ^ ((cur >> 8) | (next << 56)));
        uint32_t before1 = ZeroBytes(w ^ ((cur << 8) | (prev >> 56)));
        uint32_t after2 = ZeroBytes(w ^ ((cur >> 16) | (next << 48)));
        uint32_t before2 = ZeroBytes(w ^ ((cur << 16) | (prev >> 48)));
        near |= ((after1 << shift) & FirstPositions(m - 1)) | ((before1 << shift) & ~1u);
        far |= ((after2 << shift) & FirstPositions(m - 2)) | ((before2 << shift) & ~3u);
    }
    uint32_t inWord = FirstPositions(n);
    PositionMatch match;
    match.same = same & inWord;
    match.near = near & inWord & ~match.same;
    match.far = far & inWord & ~match.same & ~match.near;
    return match;
}

int16_t PositionPoints(const PositionMatch& match, int n)
{
    int nearBonus = n <= 4 ? 3 : 5;
    return static_cast<int16_t>(6 * CountBits(match.same) + (match.same & 1) +
                                nearBonus * CountBits(match.near) + 2 * CountBits(match.far));
}
