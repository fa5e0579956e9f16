// The new text of a change of every match in a stretch of text (Replace All, the spell check's Change
// All), built in one pass, so that the document's text is changed once however many matches there are.
// Portable, no windowing system.
#pragma once
#include <cstddef>

struct Replacing;

// Where the next match begins at or after `from` in the terminated `text` of `length` characters; -1
// when there is none.
typedef int (*FindMatch)(const wchar_t* text, int length, int from, const Replacing& replacing);

// Any run of the same characters: exact, case included, also inside a word (Replace All).
int FindSubstring(const wchar_t* text, int length, int from, const Replacing& replacing);

// What is replaced: the matches of `wanted` (not empty) that findMatch finds, each by `replacement`.
struct Replacing {
    FindMatch findMatch;
    const wchar_t* wanted;
    const wchar_t* replacement;
    // For a search by words: the text and the wanted word as the word scanner reads them (one byte for
    // each character of the text). Null for FindSubstring.
    const char* scannedText;
    const char* scannedWanted;
};

// The stretch of the text that the change replaces: from the first match to the end of the last.
struct ReplacedSpan {
    int count;       // matches replaced
    int start;       // where the first match begins
    int end;         // where the last match ends, in the text before the change
    int lastStart;   // where the last replacement begins, in the text after the change
    int newLength;   // length of the stretch's new text
};

// The matches in `text` from `from` on, left to right, each search going on after the match before,
// so that no two overlap and a replacement is never searched again. None when `from` lies beyond the
// text's `length`, or when the new text would be too long to address.
ReplacedSpan FindReplacedSpan(const wchar_t* text, int length, int from, const Replacing& replacing);

// The characters WriteReplacedSpan writes: the stretch's new text and its terminator.
size_t ReplacedSpanCharacters(const ReplacedSpan& span);

// Writes the stretch's new text (span.newLength characters and a terminator) into `out`, which has room
// for ReplacedSpanCharacters(span).
void WriteReplacedSpan(const wchar_t* text, int length, const ReplacedSpan& span, const Replacing& replacing,
                       wchar_t* out);
