// The main list laid out a second time by character position, sixteen entries to a block, so that the
// same-initial scan can bound the scores of sixteen entries at once with one comparison per position
// and place, and look closer only at the entries whose bound reaches what the pool keeps.
#pragma once
#include <cstdint>

#include "spell_tables.h"

const int ColumnBlockWidth = 16;
const int32_t ColumnBlockCount = MainCapacity / ColumnBlockWidth + 1;

// Call after every load of the main list, once its profile is built.
void BuildMainListColumns();

// The word as the block bounds compare it: each character repeated across a row of lanes.
struct ColumnQuery {
    alignas(16) unsigned char ch[WordWidth][ColumnBlockWidth];
    int n;
    alignas(16) unsigned char held[WordWidth + 1][ColumnBlockWidth];   // its distinct characters, and a blank
    int heldCount;
    bool countsMissing;   // whether the score counts missing characters for the word's length
};

void PrepareColumnQuery(const WordField& word, int16_t n, ColumnQuery& query);

// For each entry of a block, what EvaluateCandidate can at most find of the word in it (the position
// points and the positions with their character within two places) and at least the number of the
// entry's characters the word lacks.
// With them, each entry's trimmed length and whether it holds alignment marks or an inner blank.
struct BlockBounds {
    uint8_t points[ColumnBlockWidth];
    uint8_t placed[ColumnBlockWidth];
    uint8_t missing[ColumnBlockWidth];
    uint8_t length[ColumnBlockWidth];
    uint8_t holdsMarks[ColumnBlockWidth];
    uint8_t holdsInnerBlank[ColumnBlockWidth];
};

// block holds entries ColumnBlockWidth * block .. ColumnBlockWidth * block + ColumnBlockWidth - 1.
void BoundBlock(const ColumnQuery& query, int32_t block, BlockBounds& bounds);

// Bit j set when MayReachScoreWithin holds for entry j of the block at the threshold; mayDouble when the
// pairs may earn the capital match.
uint32_t LanesMayReach(const ColumnQuery& query, const BlockBounds& bounds, bool mayDouble, int threshold);

// Bit j set when entry j of the bounds' block has m characters.
uint32_t LanesOfLength(const BlockBounds& bounds, int m);

// Bit j set when entry ColumnBlockWidth * block + j (within the list) begins with ch.
uint32_t BlockEntriesBeginningWith(int32_t block, char ch);
