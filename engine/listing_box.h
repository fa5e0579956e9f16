// The one platform operation the engine needs: a message box for the debug listings, which the
// program installs (on Windows, MessageBoxA). Until it does, every box answers Cancel, which ends a
// listing at once.
#pragma once

typedef int (*ListingBoxFunction)(void* owner, const char* text, const char* caption, unsigned style);

int ShowListingBox(void* owner, const char* text, const char* caption, unsigned style);

// A null function restores the default.
void SetListingBoxFunction(ListingBoxFunction function);
