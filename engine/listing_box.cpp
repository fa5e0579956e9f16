#include "listing_box.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

const int CancelAnswer = 2;

int DefaultListingBox(void* owner, const char* text, const char* caption, unsigned style)
{
#ifdef _WIN32
    return MessageBoxA(static_cast<HWND>(owner), text, caption, style);
#else
    (void)owner;
    (void)text;
    (void)caption;
    (void)style;
    return CancelAnswer;   // no one to answer: end the listing
#endif
}

ListingBoxFunction CurrentListingBox = DefaultListingBox;

} // namespace

int ShowListingBox(void* owner, const char* text, const char* caption, unsigned style)
{
    return CurrentListingBox(owner, text, caption, style);
}

void SetListingBoxFunction(ListingBoxFunction function)
{
    CurrentListingBox = function != nullptr ? function : DefaultListingBox;
}
