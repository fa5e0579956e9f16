// Word Add: appending a word to the local word list, C:\ZOLT\SPELL\Local.txt.
#pragma once
#include <windows.h>

const int LocalPathSize = 128;

// Fills path (LocalPathSize bytes) with the local word list's path, terminated, the rest blanks.
void LocalWordsPath(char* path);

// Asks whether to add word (at most 31 characters, Windows-1252); on Yes appends it to the local word
// list, in the list's own encoding (UTF-8 to a list read as UTF-8, else Windows-1252), and reloads that
// list. A full list (LocalCapacity words) is not asked about: a message says so and nothing is appended.
// Gives 0 when the user answered No, 1 otherwise (whether or not the word could be written).
int OfferLocalWord(HWND window, const char* word);
