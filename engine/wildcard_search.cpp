#include <cstring>

#include "spell_tables.h"
#include "suggestions.h"

namespace {

const char WildcardChars[] = "*?";

// Results of the match per (pattern position, text position), valid for the current call only:
// a cell holds MatchGeneration * 2 + result when it was filled during this call.
const int MemoWidth = 64;
uint32_t MatchMemo[MemoWidth][MemoWidth];
uint32_t MatchGeneration;

// The match as defined: a '*' or '?' in the text meets the pattern one for one before a star expands.
bool MatchFrom(const char* pattern, const char* text, int i, int j, bool remember)
{
    uint32_t* cell = remember ? &MatchMemo[i][j] : nullptr;
    if (cell != nullptr && (*cell >> 1) == MatchGeneration)
        return (*cell & 1) != 0;

    char p = pattern[i];
    char t = text[j];
    bool result;
    if (p == '\0' && t == '\0')
        result = true;
    else if (p == '*' && pattern[i + 1] != '\0' && t == '\0')
        result = false;
    else if ((p == '?' && t != '\0') || p == t)
        result = MatchFrom(pattern, text, i + 1, j + 1, remember);
    else if (p == '*')
        result = MatchFrom(pattern, text, i + 1, j, remember) ||
                 MatchFrom(pattern, text, i, j + 1, remember);
    else
        result = false;

    if (cell != nullptr)
        *cell = (MatchGeneration << 1) | (result ? 1u : 0u);
    return result;
}

// Zero-terminated form of a field as the search matches it: at most its first 31 characters.
int TerminatedForm(const WordField& word, char* form)
{
    int e = TrimmedLength(word) + 1;
    if (e > WordWidth)
        e = WordWidth;
    std::memcpy(form, word.ch, static_cast<size_t>(e - 1));
    form[e - 1] = '\0';
    return e;
}

void SearchList(const WordField& pattern, const char* patternForm, const WordField* words, int32_t count)
{
    char form[WordWidth + 1];
    for (int32_t j = 1; j <= count; j++) {
        int e = TerminatedForm(words[j], form);
        if (!WildcardMatch(patternForm, form))
            continue;
        WordField match = words[j];
        match.ch[e - 1] = ' ';
        AddWildcardMatch(pattern, match);
    }
}

} // namespace

bool IsWildcardChar(char ch)
{
    return ch != '\0' && std::strchr(WildcardChars, ch) != nullptr;
}

bool HasWildcard(const WordField& word)
{
    int n = TrimmedLength(word);
    for (int i = 0; i < n; i++)
        if (IsWildcardChar(word.ch[i]))
            return true;
    return false;
}

bool WildcardMatch(const char* pattern, const char* text)
{
    // Remembering results bounds the cost to one evaluation per position pair; strings too long for
    // the table (the engine never makes them) are matched without it.
    bool remember = std::strlen(pattern) < MemoWidth && std::strlen(text) < MemoWidth;
    if (remember && ++MatchGeneration > 0x7FFFFFFFu) {
        std::memset(MatchMemo, 0, sizeof MatchMemo);
        MatchGeneration = 1;
    }
    return MatchFrom(pattern, text, 0, 0, remember);
}

void WildcardSearch(const WordField& pattern)
{
    char patternForm[WordWidth + 1];
    TerminatedForm(pattern, patternForm);
    SearchList(pattern, patternForm, SpellTables.LocalWords, SpellTables.LocalCount);
    SearchList(pattern, patternForm, SpellTables.MainWords, SpellTables.MainCount);
}

void AddWildcardMatch(const WordField& pattern, const WordField& entry)
{
    int a = TrimmedLength(pattern);
    int b = TrimmedLength(entry);
    int score = 15 - (a > b ? a - b : b - a);
    if (score <= 0)
        score = 1;
    AppendCandidate(entry, static_cast<int16_t>(score));
}
