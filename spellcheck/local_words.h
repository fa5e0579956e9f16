// Word Add: appending a word to the local word list, C:\ZOLT\SPELL\Local.txt.
#pragma once
#include <windows.h>

const int LocalPathSize = 128;

// Fills path (LocalPathSize bytes) with the local word list's path, terminated, the rest blanks.
void LocalWordsPath(char* path);

// Asks whether to add word (at most 31 characters); on Yes appends it to the local word list and reloads that list. Gives 1
// when the user answered Yes (whether or not the word could be written), 0 otherwise.
int OfferLocalWord(HWND window, const char* word);
