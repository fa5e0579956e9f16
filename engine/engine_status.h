// The engine's status convention: an operation that can fail reports through a 16-bit signed status
// out-parameter, in which 0 or less is success and a positive value is not. Positive values other than
// StatusFailure are the system's error numbers.
#pragma once
#include <cstdint>

// Done; a checked word is known; a looked-up misspelling is listed.
const int16_t StatusSuccess = 0;
// A checked word is unknown; a looked-up misspelling is not listed; a table is full; Spell.txt is
// refused (too long, or a line without a letter slot).
const int16_t StatusFailure = 1;

// What the callers ask of a status; none of them tells the positive values apart.
inline bool Succeeded(int16_t status)
{
    return status <= StatusSuccess;
}
