#include "replace_all_text.h"

#include <climits>
#include <cstring>

ReplacedSpan FindReplacedSpan(const char* text, int length, int from, const char* wanted,
                              const char* replacement)
{
    ReplacedSpan span = {0, 0, 0, 0, 0};
    int wantedLength = static_cast<int>(std::strlen(wanted));
    int replacementLength = static_cast<int>(std::strlen(replacement));
    if (wantedLength == 0 || from < 0 || from > length)
        return span;
    const char* match = std::strstr(text + from, wanted);
    while (match != nullptr) {
        int found = static_cast<int>(match - text);
        if (span.count == 0)
            span.start = found;
        span.count++;
        span.end = found + wantedLength;
        match = std::strstr(text + span.end, wanted);
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

void WriteReplacedSpan(const char* text, const ReplacedSpan& span, const char* wanted,
                       const char* replacement, char* out)
{
    size_t wantedLength = std::strlen(wanted);
    size_t replacementLength = std::strlen(replacement);
    const char* from = text + span.start;
    for (int i = 0; i < span.count; ++i) {
        const char* match = std::strstr(from, wanted);
        std::memcpy(out, from, static_cast<size_t>(match - from));
        out += match - from;
        std::memcpy(out, replacement, replacementLength);
        out += replacementLength;
        from = match + wantedLength;
    }
    *out = '\0';
}
