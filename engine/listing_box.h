// The one platform operation the engine needs: a message box for the debug listings, which the
// program installs (on Windows, MessageBoxA). Until it does, every box answers Cancel, which ends a
// listing at once.
#pragma once

typedef int (*ListingBoxFunction)(void* owner, const char* text, const char* caption, unsigned style);

int ShowListingBox(void* owner, const char* text, const char* caption, unsigned style);

// A null function restores the default.
void SetListingBoxFunction(ListingBoxFunction function);

// The styles a listing box is asked for and the answers it gives: the system message box's values.
const unsigned ListingBoxOkCancel = 1;
const unsigned ListingBoxYesNoCancel = 3;
const unsigned ListingBoxToForeground = 0x10000;
const int ListingBoxCancelAnswer = 2;
const int ListingBoxNoAnswer = 7;
