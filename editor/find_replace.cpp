#include "find_replace.h"

// Placeholder until find and replace land: the commands do nothing yet.
UINT findMessageId = 0;

void FindCommand(HWND) {}
void FindNextCommand(HWND) {}
void ReplaceCommand(HWND) {}
LRESULT HandleFindRequest(HWND, LPARAM) { return 0; }
