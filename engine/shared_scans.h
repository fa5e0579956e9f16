// The word's scans shared with the scan helper: while this thread scans the first part of the run of
// the word's first letter and the run of its other case, the helper scans the rest of the run and the
// other first letters; what each recorded is then offered in the order of the scans done one by one.
#pragma once

#include "word_field.h"

enum SharedScan {
    ScanNotShared,    // nothing done: the run is too short to share, or no helper runs
    ScanShared,
    ScanOverflowed,   // a scan found more than it could record: the pool is incomplete
};

// The same-initial runs and the other-initial scan of the word (without the deletion boost), the
// local words first; passOver lets the word's own run and the other initials pass over candidates.
SharedScan ScanWordWithHelper(const WordField& word, bool passOver);
