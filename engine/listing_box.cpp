#include "listing_box.h"

namespace {

int NoListingBox(void*, const char*, const char*, unsigned)
{
    return ListingBoxCancelAnswer;   // no one to answer: end the listing
}

ListingBoxFunction CurrentListingBox = NoListingBox;

} // namespace

int ShowListingBox(void* owner, const char* text, const char* caption, unsigned style)
{
    return CurrentListingBox(owner, text, caption, style);
}

void SetListingBoxFunction(ListingBoxFunction function)
{
    CurrentListingBox = function != nullptr ? function : NoListingBox;
}
