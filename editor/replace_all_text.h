// The new text of Replace All, built in one pass over the document's text, so that the edit
// control's text is changed once however many matches there are. Portable, no windowing system.
#pragma once

// The stretch of the text that Replace All changes: from the first match to the end of the last.
struct ReplacedSpan {
    int count;       // matches replaced
    int start;       // where the first match begins
    int end;         // where the last match ends, in the text before the change
    int lastStart;   // where the last replacement begins, in the text after the change
    int newLength;   // length of the stretch's new text
};

// The matches of `wanted` (not empty) in the terminated `text` from `from` on: exact bytes, left
// to right, each search going on after the match before, so that no two overlap and a
// replacement is never searched again. None when `from` lies beyond the text's `length`, or when
// the new text would be too long to address.
ReplacedSpan FindReplacedSpan(const char* text, int length, int from, const char* wanted,
                              const char* replacement);

// Writes the stretch's new text (span.newLength characters and a terminator) into `out`.
void WriteReplacedSpan(const char* text, const ReplacedSpan& span, const char* wanted,
                       const char* replacement, char* out);
