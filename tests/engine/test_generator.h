// A small deterministic generator for the tests that compare the engine with a plain version on many
// inputs: every run sees the same inputs.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>

struct Generator {
    uint32_t state = 12345u;
    uint32_t Next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }
    std::string Word(int minLength, int maxLength, const char* alphabet)
    {
        int length = minLength + Below(maxLength - minLength + 1);
        int size = static_cast<int>(std::strlen(alphabet));
        std::string w;
        for (int i = 0; i < length; i++)
            w += alphabet[Below(size)];
        return w;
    }
};
