// The engine's debug listings shown in message boxes. The engine itself knows no windowing system:
// each program installs this at start-up.
#pragma once
#include <windows.h>

#include "listing_box.h"

inline int ShowListingMessageBox(void* owner, const char* text, const char* caption, unsigned style)
{
    return MessageBoxA(static_cast<HWND>(owner), text, caption, style);
}

inline void InstallListingMessageBox()
{
    SetListingBoxFunction(ShowListingMessageBox);
}
