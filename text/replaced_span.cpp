#include "replaced_span.h"

#include <climits>
#include <cwchar>

int FindSubstring(const wchar_t* text, int, int from, const Replacing& replacing)
{
    const wchar_t* match = std::wcsstr(text + from, replacing.wanted);
    return match == nullptr ? -1 : static_cast<int>(match - text);
}

ReplacedSpan FindReplacedSpan(const wchar_t* text, int length, int from, const Replacing& replacing)
{
    ReplacedSpan span = {0, 0, 0, 0, 0};
    int wantedLength = static_cast<int>(std::wcslen(replacing.wanted));
    int replacementLength = static_cast<int>(std::wcslen(replacing.replacement));
    if (wantedLength == 0 || from < 0 || from > length)
        return span;
    int found = replacing.findMatch(text, length, from, replacing);
    while (found >= 0) {
        if (span.count == 0)
            span.start = found;
        span.count++;
        span.end = found + wantedLength;
        found = replacing.findMatch(text, length, span.end, replacing);
    }
    long long growth = static_cast<long long>(span.count) * (replacementLength - wantedLength);
    // A text that would outgrow the character positions is left alone, as one whose copy cannot be had.
    if (span.count == 0 || length + growth > INT_MAX) {
        span.count = 0;
        return span;
    }
    span.newLength = span.end - span.start + static_cast<int>(growth);
    span.lastStart = span.start + span.newLength - replacementLength;
    return span;
}

size_t ReplacedSpanCharacters(const ReplacedSpan& span)
{
    return static_cast<size_t>(span.newLength) + 1;
}

void WriteReplacedSpan(const wchar_t* text, int length, const ReplacedSpan& span, const Replacing& replacing,
                       wchar_t* out)
{
    int wantedLength = static_cast<int>(std::wcslen(replacing.wanted));
    size_t replacementLength = std::wcslen(replacing.replacement);
    // The first match is where the span starts: searched for again from there, a match behind a
    // word character would be passed over as the rest of a word.
    int match = span.start;
    int from = span.start;
    for (int i = 0; i < span.count; ++i) {
        std::wmemcpy(out, text + from, static_cast<size_t>(match - from));
        out += match - from;
        std::wmemcpy(out, replacing.replacement, replacementLength);
        out += replacementLength;
        from = match + wantedLength;
        if (i + 1 < span.count)
            match = replacing.findMatch(text, length, from, replacing);
    }
    *out = L'\0';
}
