// Loading the four word-list files into the spell tables.
#pragma once
#include <cstdint>

// 0 on success; 1 when Spell.txt is too long, holds a line without a letter slot or with a control
// character (a carriage return alone, a tab, a zero byte), or yields no word (an empty file); the
// system's error number when Spell.txt cannot be opened, or when one of the four lists opened but could
// not be read. Lines with a character outside Windows-1252 (of a list read as UTF-8) are left out of
// every table, in Misspell.txt with the misspellings of such a correction.
void LoadSpellTables(int16_t& status);
// After a LoadSpellTables that failed: the path field (ListPathWidth bytes) of the list that could
// not be loaded.
void FailedListPath(char* field);
void ReloadLocalWords(int16_t& status);
void LoadMisspellings(int16_t& status);
void LoadPrefixTable(int16_t& status);

// Empties every table and forgets the remembered initial, as at program start.
void ResetSpellTablesForTesting();
