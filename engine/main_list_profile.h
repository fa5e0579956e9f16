// Facts about each main list entry that the suggestion scans ask again and again: its trimmed length
// and the set of characters it holds. Built once per load of the list, before the column copy.
#pragma once
#include <cstdint>

#include "spell_tables.h"

// Call after every load of the main list.
void BuildMainListProfile();

// Trimmed length of MainWords[k], 1 <= k <= MainCount.
int16_t MainEntryLength(int32_t k);
// The trimmed lengths of entries k, k + 1, ... one byte each, 0 for entry 0 and past the list; they
// stand for MainCapacity + 64 entries.
const uint8_t* MainEntryLengthsFrom(int32_t k);

// One bit per character value modulo 64: a text can occur in an entry only when its mask is within
// the entry's.
uint64_t CharacterMask(const char* text, int length);
uint64_t MainEntryMask(int32_t k);

// One bit per pair of adjacent characters, hashed to 64: a text can occur in an entry only when the
// mask of its pairs is within the entry's. A text of fewer than two characters has an empty mask.
uint64_t PairMask(const char* text, int length);

// Entries are also grouped in blocks of 64 by index (block b holds entries 64b .. 64b + 63; bit j
// stands for entry 64b + j). For blocks 0..lastBlock, holders receives the bits of the entries whose
// masks hold every bit of mask and whose pair masks hold every bit of pairs.
const int32_t MainBlockCount = MainCapacity / 64 + 1;
void EntriesHoldingText(uint64_t mask, uint64_t pairs, int32_t lastBlock, uint64_t* holders);
