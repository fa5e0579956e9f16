#include "start_word.h"

namespace {

bool IsSeparator(char c)
{
    return c == ' ' || c == '\t';
}

// Passes over one argument (quotes group blanks into it); gives the position behind it.
const char* SkipArgument(const char* p)
{
    bool quoted = false;
    while (*p != 0 && (quoted || !IsSeparator(*p))) {
        if (*p == '"')
            quoted = !quoted;
        p++;
    }
    return p;
}

const char* SkipSeparators(const char* p)
{
    while (IsSeparator(*p))
        p++;
    return p;
}

} // namespace

void StartWordFromCommandLine(const char* commandLine, char* startWord)
{
    int n = 0;
    if (commandLine != nullptr) {
        const char* p = SkipSeparators(SkipArgument(SkipSeparators(commandLine)));
        bool quoted = false;
        for (; *p != 0 && (quoted || !IsSeparator(*p)); p++) {
            if (*p == '"')
                quoted = !quoted;
            else if (n < StartWordWidth)
                startWord[n++] = *p;
        }
    }
    while (n > 0 && startWord[n - 1] == ' ')
        n--;
    startWord[n] = 0;
}
