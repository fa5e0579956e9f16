// Tools > Dictionary: starts the lookup tool with the selected text in double quotes.
#pragma once
#include <windows.h>

void LaunchDictionary(HWND window, int editId);
