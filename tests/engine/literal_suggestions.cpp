#include "literal_suggestions.h"

#include <cstring>
#include <string>
#include <unordered_map>

#include "candidate_pool.h"
#include "candidate_scoring.h"
#include "spell_tables.h"
#include "suggest_words.h"
#include "suggestion_list.h"
#include "wildcard_search.h"

namespace literal {

namespace {

CandidatePoolTable& Pool()
{
    return SpellTables.CandidatePool;
}

char At(const WordField& w, int i)
{
    return w.ch[i - 1];
}

int Find(char ch, const char* text, int length)
{
    for (int i = 1; i <= length; i++)
        if (text[i - 1] == ch)
            return i;
    return 0;
}

int FindText(const char* needle, int t, const char* hay, int m)
{
    for (int s = 1; s + t - 1 <= m; s++)
        if (std::memcmp(hay + s - 1, needle, static_cast<size_t>(t)) == 0)
            return s;
    return 0;
}

// The first pool position of each text, following the pool as it grows and forgotten when it shrank:
// the linear search's answers, in a time that does not grow with the pool (a full one makes the linear
// search too slow for many lookups).
std::unordered_map<std::string, int16_t> FirstPositions;
int16_t Mapped;

bool FindInPool(const WordField& text, int16_t& position)
{
    if (Pool().count < Mapped) {
        FirstPositions.clear();
        Mapped = 0;
    }
    for (; Mapped < Pool().count; Mapped++)
        FirstPositions.emplace(std::string(Pool().texts[Mapped + 1].ch, 32), static_cast<int16_t>(Mapped + 1));
    auto found = FirstPositions.find(std::string(text.ch, 32));
    position = found == FirstPositions.end() ? 0 : found->second;
    return position != 0;
}

void Append(const WordField& text, int16_t score)
{
    if (Pool().count <= 32599) {
        Pool().count++;
        Pool().texts[Pool().count] = text;
        Pool().scores[Pool().count] = score;
    }
}

void Score(const WordField& word, int16_t n, WordField& entry, int16_t m)
{
    int d = n > m ? n - m : m - n;
    if (d > 2 && n <= 5)
        return;
    if (d > 4)
        return;
    int16_t p;
    if (FindInPool(entry, p))
        return;
    int16_t score = 0;
    for (int i = 1; i <= n; i++) {
        char ch = At(word, i);
        if (ch == At(entry, i))
            score += i == 1 ? 7 : 6;
        else if (i + 1 <= m && ch == At(entry, i + 1))
            score += n <= 4 ? 3 : 5;
        else if (i - 1 >= 1 && ch == At(entry, i - 1))
            score += n <= 4 ? 3 : 5;
        else if (i + 2 <= m && ch == At(entry, i + 2))
            score += 2;
        else if (i - 2 >= 1 && ch == At(entry, i - 2))
            score += 2;
    }
    if (n > 5)
        for (int j = 1; j <= m; j++)
            if (Find(At(entry, j), word.ch, n) == 0)
                score = score - 2 < 0 ? 0 : score - 2;
    if (n == m)
        score += n <= 4 ? 8 : 5;
    if (At(word, 1) >= 'a' && At(word, 1) <= 'z') {
        WordField upper = word;
        upper.ch[0] = static_cast<char>(upper.ch[0] - 'a' + 'A');
        if (std::memcmp(upper.ch, entry.ch, 32) == 0)
            score *= 2;
    }
    char q = SpellTables.QueryWord.ch[0];
    if (q >= 'A' && q <= 'Z' && entry.ch[0] >= 'a' && entry.ch[0] <= 'z') {
        entry.ch[0] = static_cast<char>(entry.ch[0] - 'a' + 'A');
        if (FindInPool(entry, p))
            return;
    }
    if (score >= 15 && Pool().count <= 32599 && (Pool().scanPass == 1 || score >= 16))
        Append(entry, score);
}

void ScanRun(const WordField& word, int16_t n, char ch)
{
    int s = LetterSlot(static_cast<unsigned char>(ch));
    if (s < 1 || s > 52)
        return;
    int32_t start = SpellTables.LetterStart[s];
    for (int32_t k = start; k <= start + (SpellTables.MainCount - start + 1) - 1; k++) {
        if (SpellTables.MainWords[k].ch[0] != ch)
            return;
        WordField entry = SpellTables.MainWords[k];
        literal::EvaluateCandidate(word, n, entry, TrimmedLength(entry));
    }
}

void ScanSame(const WordField& word)
{
    Pool().scanPass = 1;
    int16_t n = TrimmedLength(word);
    if (n <= 1)
        return;
    for (int32_t j = 1; j <= SpellTables.LocalCount; j++) {
        WordField entry = SpellTables.LocalWords[j];
        literal::EvaluateCandidate(word, n, entry, TrimmedLength(entry));
    }
    char ch = word.ch[0];
    ScanRun(word, n, ch);
    char ch2 = ch;
    ChangeCase(ch >= 'a' && ch <= 'z' ? UpperCaseMode : LowerCaseMode, &ch2, 1);
    ScanRun(word, n, ch2);
}

void TryMasked(const WordField& word, int16_t n, const WordField& entry, int16_t m)
{
    int h = (n + 1) / 2;
    int t = TrimmedLength(word.ch + h, 32 - h);
    if (FindText(word.ch + h, t, entry.ch, m) == 0) {
        int q = h / 2 + 1;
        t = TrimmedLength(word.ch + q - 1, h);
        if (FindText(word.ch + q - 1, t, entry.ch, m) == 0)
            return;
    }
    WordField masked = word;
    masked.ch[0] = '_';
    WordField copy = entry;
    literal::EvaluateCandidate(masked, TrimmedLength(masked), copy, m);
}

void Raise(const WordField& text, int extra)
{
    int16_t p;
    if (FindInPool(text, p)) {
        int raised = Pool().scores[p] + Pool().scores[p] / 3 + extra;
        Pool().scores[p] = static_cast<int16_t>(raised < 512 ? raised : 512);
    }
}

void Boost(const WordField& word)
{
    int16_t n = TrimmedLength(word);
    for (int i = 2; i <= n; i++) {
        WordField one, two;
        FillBlanks(one);
        FillBlanks(two);
        for (int k = 1; k <= i - 1; k++)
            one.ch[k - 1] = two.ch[k - 1] = At(word, k);
        for (int k = i + 1, o = i; k <= 32; k++, o++)
            one.ch[o - 1] = At(word, k);
        for (int k = i + 2, o = i; k <= 32; k++, o++)
            two.ch[o - 1] = At(word, k);
        Raise(one, 2);
        if (n > 4)
            Raise(two, 1);
    }
}

void ScanOther(const WordField& word)
{
    Pool().scanPass = 2;
    int16_t n = TrimmedLength(word);
    if (n <= 1)
        return;
    if (n >= 5)
        for (int32_t k = 1; k <= SpellTables.MainCount; k++)
            if (SpellTables.MainWords[k].ch[0] != word.ch[0])
                TryMasked(word, n, SpellTables.MainWords[k], TrimmedLength(SpellTables.MainWords[k]));
    if (n >= 4)
        Boost(word);
}

void SearchList(const WordField& pattern, const char* p, const WordField* words, int32_t count)
{
    for (int32_t j = 1; j <= count; j++) {
        int e = TrimmedLength(words[j]) + 1;
        if (e > 32)
            e = 32;
        char form[33];
        std::memcpy(form, words[j].ch, static_cast<size_t>(e - 1));
        form[e - 1] = '\0';
        if (!literal::WildcardMatch(p, form))
            continue;
        WordField match = words[j];
        match.ch[e - 1] = ' ';
        int a = TrimmedLength(pattern), b = TrimmedLength(match);
        int score = 15 - (a > b ? a - b : b - a);
        Append(match, static_cast<int16_t>(score <= 0 ? 1 : score));
    }
}

void Wildcards(const WordField& pattern)
{
    int k = TrimmedLength(pattern) + 1;
    if (k > 32)
        k = 32;
    char p[33];
    std::memcpy(p, pattern.ch, static_cast<size_t>(k - 1));
    p[k - 1] = '\0';
    SearchList(pattern, p, SpellTables.LocalWords, SpellTables.LocalCount);
    SearchList(pattern, p, SpellTables.MainWords, SpellTables.MainCount);
}

} // namespace

bool FindCandidate(const WordField& text, int16_t& position)
{
    for (int16_t k = 1; k <= Pool().count; k++) {
        if (std::memcmp(text.ch, Pool().texts[k].ch, 32) == 0) {
            position = k;
            return true;
        }
    }
    position = 0;
    return false;
}

void SelectSuggestions()
{
    int16_t best = 1;
    for (int r = 1; r <= 288; r++) {
        int16_t top = 0;
        for (int16_t k = 1; k <= Pool().count; k++) {
            if (Pool().scores[k] > top) {
                best = k;
                top = Pool().scores[k];
            }
        }
        SpellTables.SuggestionList.slotIndex[r] = best;
        SpellTables.SuggestionList.slotScore[r] = top;
        Pool().scores[best] = 0;
    }
}

bool WildcardMatch(const char* pattern, const char* text)
{
    if (*pattern == '\0' && *text == '\0')
        return true;
    if (*pattern == '*' && pattern[1] != '\0' && *text == '\0')
        return false;
    if ((*pattern == '?' && *text != '\0') || *pattern == *text)
        return WildcardMatch(pattern + 1, text + 1);
    if (*pattern == '*')
        return WildcardMatch(pattern + 1, text) || WildcardMatch(pattern, text + 1);
    return false;
}

void EvaluateCandidate(const WordField& word, int16_t n, WordField& entry, int16_t m)
{
    if (n <= m && n >= 7) {
        WordField aligned;
        int16_t placed;
        ::AlignWord(word, n, entry, m, aligned, placed);
        if (placed >= m / 2) {
            Score(aligned, m, entry, m);
            return;
        }
    }
    Score(word, n, entry, m);
}

void SuggestWords(const WordField& word)
{
    SpellTables.QueryWord = word;
    Pool().count = 0;
    FirstPositions.clear();
    Mapped = 0;
    for (int k = 1; k <= 32600; k++) {
        FillBlanks(Pool().texts[k]);
        Pool().scores[k] = 0;
    }
    for (int r = 1; r <= 288; r++)
        SpellTables.SuggestionList.slotScore[r] = 0;
    bool wild = ::HasWildcard(word);
    for (int r = 1; r <= SpellTables.PrefixCount; r++) {
        int L = SpellTables.PrefixFromLength[r];
        if (std::memcmp(word.ch, SpellTables.PrefixFrom[r], static_cast<size_t>(L)) != 0)
            continue;
        WordField v;
        FillBlanks(v);
        int o = 0;
        for (int k = 0; k < SpellTables.PrefixToLength[r] && o < 32; k++)
            v.ch[o++] = SpellTables.PrefixTo[r][k];
        for (int k = L + 1; k <= 32 && o < 32; k++)
            v.ch[o++] = At(word, k);
        if (wild)
            Wildcards(v);
        else
            ScanSame(v);
    }
    if (wild) {
        Wildcards(word);
    } else {
        ScanSame(word);
        ScanOther(word);
    }
    SelectSuggestions();
}

} // namespace literal
