// The engine's debug listings shown in message boxes. The engine itself knows no windowing system:
// each program installs this at start-up.
#pragma once
#include <windows.h>

#include "listing_box.h"

// The engine names the message box's styles and answers itself; they must stay the system's.
static_assert(ListingBoxOkCancel == static_cast<unsigned>(MB_OKCANCEL), "listing box style");
static_assert(ListingBoxYesNoCancel == static_cast<unsigned>(MB_YESNOCANCEL), "listing box style");
static_assert(ListingBoxToForeground == static_cast<unsigned>(MB_SETFOREGROUND), "listing box style");
static_assert(ListingBoxCancelAnswer == IDCANCEL, "listing box answer");
static_assert(ListingBoxNoAnswer == IDNO, "listing box answer");

inline int ShowListingMessageBox(void* owner, const char* text, const char* caption, unsigned style)
{
    return MessageBoxA(static_cast<HWND>(owner), text, caption, style);
}

inline void InstallListingMessageBox()
{
    SetListingBoxFunction(ShowListingMessageBox);
}
