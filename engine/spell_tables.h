// The engine's single process-wide store of fixed-capacity tables.
// Every table is 1-based: element 0 exists but is never part of a table.
#pragma once
#include <cstdint>

#include "word_field.h"

const int32_t MainCapacity = 262144;
const int32_t LocalCapacity = 32000;
const int32_t MisspellCapacity = 32000;
const int16_t PrefixCapacity = 64;
const int32_t IgnoredCapacity = 4096;
const int LetterSlotCount = 52;
const int PrefixTextWidth = 12;
const int16_t PoolCapacity = 32600;
const int16_t SuggestionSlots = 288;

struct CandidatePoolTable {
    int16_t count;
    WordField texts[PoolCapacity + 1];
    int16_t scores[PoolCapacity + 1];
    int16_t scanPass;
};

struct SuggestionListTable {
    int16_t slotIndex[SuggestionSlots + 1];
    int16_t slotScore[SuggestionSlots + 1];
};

struct SpellTableStore {
    WordField MainWords[MainCapacity + 1];
    int32_t MainCount;
    int32_t LetterStart[LetterSlotCount + 1];

    WordField LocalWords[LocalCapacity + 1];
    int32_t LocalCount;

    WordField MisspellLines[MisspellCapacity + 1];
    int32_t MisspellCount;

    char PrefixFrom[PrefixCapacity + 1][PrefixTextWidth];
    int16_t PrefixFromLength[PrefixCapacity + 1];
    char PrefixTo[PrefixCapacity + 1][PrefixTextWidth];
    int16_t PrefixToLength[PrefixCapacity + 1];
    int16_t PrefixCount;

    WordField IgnoredWords[IgnoredCapacity + 1];
    int32_t IgnoredCount;

    int16_t TablesLoaded;

    CandidatePoolTable CandidatePool;
    WordField QueryWord;
    SuggestionListTable SuggestionList;
    int16_t DebugListings;
};

// Zero-initialised at start: every count 0, TablesLoaded 0.
extern SpellTableStore SpellTables;
