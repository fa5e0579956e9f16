// What the user is told when a file cannot be saved: the system's own words for some failures would
// mislead, and the editor says what happened instead.
#pragma once
#include <windows.h>

// The text for a failed save with error (GetLastError()), for ShowFailureWithReason: it takes the file's
// name, then the system's reason.
const wchar_t* SaveFailureFormat(DWORD error);
