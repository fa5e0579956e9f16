// Sets of positions or entries held as the bits of a word: how many, and the lowest. Done on 32-bit
// halves, which a 32-bit processor does in single instructions.
#pragma once
#include <cstdint>

inline int CountBits(uint32_t bits)
{
    bits = bits - ((bits >> 1) & 0x55555555u);
    bits = (bits & 0x33333333u) + ((bits >> 2) & 0x33333333u);
    return static_cast<int>((((bits + (bits >> 4)) & 0x0F0F0F0Fu) * 0x01010101u) >> 24);
}

inline int CountBits(uint64_t bits)
{
    return CountBits(static_cast<uint32_t>(bits)) + CountBits(static_cast<uint32_t>(bits >> 32));
}

// Index (0..31) of the lowest set bit; bits must not be 0.
inline int LowestBitIndex(uint32_t bits)
{
    static const int8_t Positions[32] = {0,  1,  28, 2,  29, 14, 24, 3, 30, 22, 20, 15, 25, 17, 4,  8,
                                         31, 27, 13, 23, 21, 19, 16, 7, 26, 12, 18, 6,  11, 5,  10, 9};
    return Positions[((bits & (~bits + 1)) * 0x077CB531u) >> 27];
}

// Index (0..63) of the lowest set bit; bits must not be 0.
inline int LowestBitIndex(uint64_t bits)
{
    uint32_t low = static_cast<uint32_t>(bits);
    return low != 0 ? LowestBitIndex(low) : 32 + LowestBitIndex(static_cast<uint32_t>(bits >> 32));
}
