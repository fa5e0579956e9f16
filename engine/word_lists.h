// Loading the four word-list files into the spell tables.
#pragma once
#include <cstdint>

// 0 on success; 1 when Spell.txt is too long or holds a line without a letter slot;
// the system's error number when Spell.txt cannot be opened, or when one of the four lists opened but
// could not be read.
void LoadSpellTables(int16_t& status);
// After a LoadSpellTables that failed: the path field (ListPathWidth bytes) of the list that could
// not be loaded.
void FailedListPath(char* field);
void ReloadLocalWords(int16_t& status);
void LoadMisspellings(int16_t& status);
void LoadPrefixTable(int16_t& status);

// Empties every table and forgets the remembered initial, as at program start.
void ResetSpellTablesForTesting();
