// The debug listings: the candidate pool before the selection and the suggestion slots after it, a
// page at a time in the listing box.
#pragma once

void ShowUnsortedListing();
void ShowSortedListing();
