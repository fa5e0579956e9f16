#include "start_word.h"

namespace {

bool IsSeparator(wchar_t c)
{
    return c == L' ' || c == L'\t';
}

// Passes over one argument (quotes group blanks into it); gives the position behind it.
const wchar_t* SkipArgument(const wchar_t* p)
{
    bool quoted = false;
    while (*p != 0 && (quoted || !IsSeparator(*p))) {
        if (*p == L'"')
            quoted = !quoted;
        p++;
    }
    return p;
}

const wchar_t* SkipSeparators(const wchar_t* p)
{
    while (IsSeparator(*p))
        p++;
    return p;
}

} // namespace

void StartWordFromCommandLine(const wchar_t* commandLine, wchar_t* startWord)
{
    int n = 0;
    if (commandLine != nullptr) {
        const wchar_t* p = SkipSeparators(SkipArgument(SkipSeparators(commandLine)));
        bool quoted = false;
        for (; *p != 0 && (quoted || !IsSeparator(*p)); p++) {
            if (*p == L'"')
                quoted = !quoted;
            else if (n < StartWordWidth)
                startWord[n++] = *p;
        }
    }
    while (n > 0 && startWord[n - 1] == L' ')
        n--;
    startWord[n] = 0;
}
