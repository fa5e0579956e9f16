// The one platform operation the engine needs: a message box for the debug listings.
// On Windows it is MessageBoxA; elsewhere (and in tests) a function set here answers.
#pragma once

typedef int (*ListingBoxFunction)(void* owner, const char* text, const char* caption, unsigned style);

int ShowListingBox(void* owner, const char* text, const char* caption, unsigned style);

// A null function restores the default (MessageBoxA on Windows; elsewhere every box answers Cancel).
void SetListingBoxFunction(ListingBoxFunction function);
