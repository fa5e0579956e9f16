#include "replaced_span.h"

#include <climits>
#include <cstring>

int FindSubstring(const char* text, int, int from, const char* wanted)
{
    const char* match = std::strstr(text + from, wanted);
    return match == nullptr ? -1 : static_cast<int>(match - text);
}

ReplacedSpan FindReplacedSpan(const char* text, int length, int from, const Replacing& replacing)
{
    ReplacedSpan span = {0, 0, 0, 0, 0};
    int wantedLength = static_cast<int>(std::strlen(replacing.wanted));
    int replacementLength = static_cast<int>(std::strlen(replacing.replacement));
    if (wantedLength == 0 || from < 0 || from > length)
        return span;
    int found = replacing.findMatch(text, length, from, replacing.wanted);
    while (found >= 0) {
        if (span.count == 0)
            span.start = found;
        span.count++;
        span.end = found + wantedLength;
        found = replacing.findMatch(text, length, span.end, replacing.wanted);
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

void WriteReplacedSpan(const char* text, int length, const ReplacedSpan& span, const Replacing& replacing, char* out)
{
    int wantedLength = static_cast<int>(std::strlen(replacing.wanted));
    size_t replacementLength = std::strlen(replacing.replacement);
    // The first match is where the span starts: searched for again from there, a match behind a
    // word character would be passed over as the rest of a word.
    int match = span.start;
    int from = span.start;
    for (int i = 0; i < span.count; ++i) {
        std::memcpy(out, text + from, static_cast<size_t>(match - from));
        out += match - from;
        std::memcpy(out, replacing.replacement, replacementLength);
        out += replacementLength;
        from = match + wantedLength;
        if (i + 1 < span.count)
            match = replacing.findMatch(text, length, from, replacing.wanted);
    }
    *out = '\0';
}
