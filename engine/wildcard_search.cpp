#include "wildcard_search.h"

#include <cstring>

#include "candidate_pool.h"
#include "main_list_profile.h"
#include "scoring_rules.h"
#include "spell_tables.h"

namespace {

const char WildcardChars[] = "*?";

bool IsWildcardChar(char ch)
{
    return ch != '\0' && std::strchr(WildcardChars, ch) != nullptr;
}

// Results of the match per (pattern position, text position) for the current call: -1 while unknown.
const int MemoWidth = 64;
int8_t MatchMemo[MemoWidth][MemoWidth];

// The match as defined: a '*' or '?' in the text meets the pattern one for one before a star expands.
bool MatchFrom(const char* pattern, const char* text, int i, int j, bool remember)
{
    int8_t* cell = remember ? &MatchMemo[i][j] : nullptr;
    if (cell != nullptr && *cell >= 0)
        return *cell != 0;

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
        *cell = result ? 1 : 0;
    return result;
}

// The match as defined, each position pair worked out once.
bool MatchRemembered(const char* pattern, const char* text)
{
    // Strings too long for the table (the engine never makes them) are matched without it.
    bool remember = std::strlen(pattern) < MemoWidth && std::strlen(text) < MemoWidth;
    if (remember)
        std::memset(MatchMemo, -1, sizeof MatchMemo);
    return MatchFrom(pattern, text, 0, 0, remember);
}

// A pattern made ready for matching many texts. Every character of the pattern but a star takes one
// character of a matching text, and a literal takes an equal one: so a text shorter than the pattern
// without its stars, or lacking one of its literals, cannot match. For a text without stars the match
// is an ordinary glob match once each run of stars is one star, except that a closing run of two or
// more needs at least one more character (a star followed by anything fails at the end of the text):
// such a run becomes "?*".
struct PreparedPattern {
    const char* pattern;
    char glob[WordWidth + 2];
    bool globbed;            // false for a pattern too long for glob
    int leastLength;
    uint64_t literalMask;
};

void PreparePattern(const char* pattern, PreparedPattern& prepared)
{
    int length = static_cast<int>(std::strlen(pattern));
    prepared.pattern = pattern;
    prepared.leastLength = 0;
    prepared.literalMask = 0;
    for (int i = 0; i < length; i++) {
        if (pattern[i] != '*')
            prepared.leastLength++;
        if (!IsWildcardChar(pattern[i]))
            prepared.literalMask |= CharacterMask(pattern + i, 1);
    }
    prepared.globbed = length <= WordWidth;
    if (!prepared.globbed)
        return;
    int out = 0;
    for (int i = 0; i < length;) {
        if (pattern[i] != '*') {
            prepared.glob[out++] = pattern[i++];
            continue;
        }
        int run = 0;
        for (; i < length && pattern[i] == '*'; i++)
            run++;
        if (i == length && run >= 2)
            prepared.glob[out++] = '?';
        prepared.glob[out++] = '*';
    }
    prepared.glob[out] = '\0';
}

// The ordinary glob match, star by star with the last star's place remembered: linear for most texts.
bool GlobMatch(const char* pattern, const char* text)
{
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*text != '\0') {
        if (*pattern == '?' || (*pattern == *text && *pattern != '*')) {
            pattern++;
            text++;
        } else if (*pattern == '*') {
            star = pattern++;
            resume = text;
        } else if (star != nullptr) {
            pattern = star + 1;
            text = ++resume;
        } else {
            return false;
        }
    }
    while (*pattern == '*')
        pattern++;
    return *pattern == '\0';
}

// The match of a text of the given length and character mask (a superset of its characters' bits).
bool MatchPrepared(const PreparedPattern& prepared, const char* text, int textLength, uint64_t textMask)
{
    if (textLength < prepared.leastLength || (prepared.literalMask & ~textMask) != 0)
        return false;
    if (prepared.globbed && std::memchr(text, '*', static_cast<size_t>(textLength)) == nullptr)
        return GlobMatch(prepared.glob, text);
    return MatchRemembered(prepared.pattern, text);
}

// The main list's lengths and masks are kept, so that most of its entries are refused without a copy.
void SearchList(int patternLength, const PreparedPattern& prepared, const WordField* words, int32_t count,
                bool mainList)
{
    char form[WordWidth + 1];
    for (int32_t j = 1; j <= count; j++) {
        if (SpellTables.CandidatePool.count >= PoolCapacity)
            return;   // every later match would be dropped
        int m = mainList ? MainEntryLength(j) : TrimmedLength(words[j]);
        int formLength = m < WordWidth ? m : WordWidth - 1;   // an entry of 32 is matched as its first 31
        uint64_t mask = mainList ? MainEntryMask(j) : CharacterMask(words[j].ch, formLength);
        if (formLength < prepared.leastLength || (prepared.literalMask & ~mask) != 0)
            continue;
        std::memcpy(form, words[j].ch, static_cast<size_t>(formLength));
        form[formLength] = '\0';
        if (!MatchPrepared(prepared, form, formLength, mask))
            continue;
        WordField match = words[j];
        match.ch[formLength] = ' ';
        int16_t score = static_cast<int16_t>(WildcardScore(patternLength, TrimmedLength(match.ch, formLength)));
        AppendCandidate(match, score);
    }
}

} // namespace

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
    PreparedPattern prepared;
    PreparePattern(pattern, prepared);
    int length = static_cast<int>(std::strlen(text));
    return MatchPrepared(prepared, text, length, CharacterMask(text, length));
}

void WildcardSearch(const WordField& pattern)
{
    // The pattern is matched as at most its first 31 characters.
    int patternLength = TrimmedLength(pattern);
    char patternForm[WordWidth + 1] = {};
    int formLength = patternLength < WordWidth ? patternLength : WordWidth - 1;
    std::memcpy(patternForm, pattern.ch, static_cast<size_t>(formLength));
    PreparedPattern prepared;
    PreparePattern(patternForm, prepared);
    SearchList(patternLength, prepared, SpellTables.LocalWords, SpellTables.LocalCount, false);
    SearchList(patternLength, prepared, SpellTables.MainWords, SpellTables.MainCount, true);
}
