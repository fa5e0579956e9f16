// The engine's faster routines against their word-for-word versions, on many inputs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "literal_suggestions.h"
#include "main_list_columns.h"
#include "main_list_profile.h"
#include "score_bound.h"
#include "suggestion_test_support.h"
#include "test_generator.h"
#include "wildcard_search.h"

namespace {

const char* Letters = "eeeeaaaiioonnrrttssllcdumphgbfywkvxzjq";

struct Snapshot {
    std::vector<std::string> texts;
    std::vector<int16_t> scores;
    std::vector<int16_t> slotIndex;
    std::vector<int16_t> slotScore;
    bool operator==(const Snapshot& o) const
    {
        return texts == o.texts && scores == o.scores && slotIndex == o.slotIndex && slotScore == o.slotScore;
    }
};

Snapshot Take()
{
    Snapshot s;
    const CandidatePoolTable& pool = SpellTables.CandidatePool;
    for (int k = 1; k <= pool.count; k++) {
        s.texts.push_back(std::string(pool.texts[k].ch, WordWidth));
        s.scores.push_back(pool.scores[k]);
    }
    for (int r = 1; r <= SuggestionSlots; r++) {
        s.slotIndex.push_back(SpellTables.SuggestionList.slotIndex[r]);
        s.slotScore.push_back(SpellTables.SuggestionList.slotScore[r]);
    }
    return s;
}

// Mistakes people make: a letter dropped, doubled, swapped, replaced or added, a wrong first
// letter, a capital.
std::string Misspell(Generator& g, std::string w)
{
    int i = g.Below(static_cast<int>(w.size()));
    switch (g.Below(7)) {
    case 0: if (w.size() > 1) w.erase(i, 1); break;
    case 1: w.insert(i, 1, w[i]); break;
    case 2: if (i + 1 < static_cast<int>(w.size())) std::swap(w[i], w[i + 1]); break;
    case 3: w[i] = Letters[g.Below(38)]; break;
    case 4: w.insert(i, 1, Letters[g.Below(38)]); break;
    case 5: w[0] = Letters[g.Below(38)]; break;
    default: if (w[0] >= 'a' && w[0] <= 'z') w[0] = static_cast<char>(w[0] - 32); break;
    }
    return w;
}

// Empties the few entries a single evaluation can fill, much cheaper than a full reset.
void EmptySmallPool(int16_t scanPass)
{
    CandidatePoolTable& pool = SpellTables.CandidatePool;
    for (int k = 1; k <= pool.count; k++) {
        FillBlanks(pool.texts[k]);
        pool.scores[k] = 0;
    }
    pool.count = 0;
    pool.scanPass = scanPass;
}

// One evaluation of the word against the entry by the engine and word for word: true when the two
// leave the same pool; kept tells whether the engine kept the entry.
bool EvaluatesWordForWord(const std::string& w, const std::string& e, int16_t pass, bool& kept)
{
    EmptySmallPool(pass);
    WordField word = Word(w), entry = Word(e);
    int16_t n = TrimmedLength(word), m = TrimmedLength(entry);
    EvaluateCandidate(word, n, entry, m);
    Snapshot fast = Take();
    kept = PoolCount() > 0;

    EmptySmallPool(pass);
    entry = Word(e);
    literal::EvaluateCandidate(word, n, entry, m);
    return fast == Take();
}

void CompareSelection(const char* what)
{
    Snapshot before = Take();
    SelectSuggestions();
    Snapshot fast = Take();
    for (size_t k = 0; k < before.scores.size(); k++)
        SpellTables.CandidatePool.scores[k + 1] = before.scores[k];
    literal::SelectSuggestions();
    EXPECT_TRUE(fast == Take()) << what;
}

TEST(SpeedUps, PoolIndexFindsWhatTheLinearSearchFinds)
{
    ListFolder folder;
    Generator g{12345};
    FreshPool();
    std::vector<std::string> held;
    for (int k = 1; k <= PoolCapacity + 10; k++) {
        // Some texts repeat, as the wildcard search appends without looking.
        std::string text = (k % 5 == 0 && !held.empty()) ? held[g.Below(static_cast<int>(held.size()))]
                                                         : g.Word(1, 32, Letters);
        held.push_back(text);
        AppendCandidate(Word(text), 20);
    }
    ASSERT_EQ(PoolCount(), PoolCapacity);
    int mismatches = 0;
    for (int k = 0; k < static_cast<int>(held.size()) + 2000; k++) {
        std::string text = k < static_cast<int>(held.size()) ? held[k] : g.Word(1, 12, Letters);
        int16_t fast = -1, plain = -1;
        bool fastFound = FindCandidate(Word(text), fast);
        bool plainFound = literal::FindCandidate(Word(text), plain);
        if (fastFound != plainFound || fast != plain)
            mismatches++;
    }
    EXPECT_EQ(mismatches, 0);

    // Emptied behind the index's back, then refilled with other texts.
    ResetSpellTablesForTesting();
    AppendCandidate(Word("other"), 20);
    int16_t position = -1;
    EXPECT_FALSE(FindCandidate(Word(held[0]), position));
    EXPECT_TRUE(FindCandidate(Word("other"), position));
    EXPECT_EQ(position, 1);
}

// The misspelling look-up as the word check defines it: the first line equal to the word in lower
// case, then the nearest correction line ('$') above it.
std::string LinearMisspelling(const std::string& word)
{
    WordField lower = LowerCaseCopy(Word(word));
    for (int32_t k = 1; k <= SpellTables.MisspellCount; k++) {
        if (!SameWord(LowerCaseCopy(SpellTables.MisspellLines[k]), lower))
            continue;
        for (int32_t j = k - 1; j >= 1; j--)
            if (SpellTables.MisspellLines[j].ch[0] == '$')
                return Text(SpellTables.MisspellLines[j]).substr(1);
        return "";
    }
    return "";
}

TEST(SpeedUps, MisspellingIndexFindsWhatTheLinearSearchFinds)
{
    // Lines that repeat in other cases, corrections that are themselves looked up, and a reload with
    // other lines of the same count: the index must follow every load.
    ListFolder folder;
    Generator g{31337};
    for (int round = 0; round < 2; round++) {
        std::vector<std::string> lines;
        for (int k = 0; k < 3000; k++) {
            std::string w = g.Word(1, 8, "abcAB'");
            lines.push_back(k % 7 == 0 ? "$" + w : w);
        }
        folder.WriteLines("Spell.txt", {"apple"});
        folder.WriteLines("Misspell.txt", lines);
        ResetSpellTablesForTesting();
        LoadLists();
        int found = 0, mismatches = 0;
        for (int k = 0; k < 4000; k++) {
            std::string w = k < 3000 ? lines[k] : g.Word(1, 8, "abcAB'$");
            if (k % 3 == 0)
                for (char& c : w)
                    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            char correction[WordWidth + 1];
            int16_t status = -1;
            LookupMisspelling(Word(w), correction, status);
            std::string expected = LinearMisspelling(w);
            // A capitalised word gets its correction capitalised.
            if (!expected.empty() && w[0] >= 'A' && w[0] <= 'Z' && expected[0] >= 'a' && expected[0] <= 'z')
                expected[0] = static_cast<char>(expected[0] - 'a' + 'A');
            mismatches += (status == 0) != !expected.empty() || (status == 0 && expected != correction);
            found += status == 0;
        }
        EXPECT_EQ(mismatches, 0) << "round " << round;
        EXPECT_GT(found, 1000);
    }
}

TEST(SpeedUps, LocalAndIgnoredWordsAreFoundAsTheLinearSearchFindsThem)
{
    // A local list reloaded with other words of the same count, and an ignore-all list that grows word
    // by word, both with words that repeat in other cases: the check must know exactly the words that
    // a word-by-word comparison finds (the local list in its own case, the ignore-all list in any).
    ListFolder folder;
    Generator g{4711};
    folder.WriteLines("Spell.txt", {"zzzzzzzzz"});
    for (int round = 0; round < 2; round++) {
        std::vector<std::string> local;
        for (int k = 0; k < 3000; k++)
            local.push_back(g.Word(1, 7, "abAB'"));
        folder.WriteLines("Local.txt", local);
        if (round == 0) {
            ResetSpellTablesForTesting();
            LoadLists();
        } else {
            int16_t status = -1;
            ReloadLocalWords(status);
        }
        int known = 0, mismatches = 0;
        for (int k = 0; k < 6000; k++) {
            if (k % 3 == 0 && SpellTables.IgnoredCount < IgnoredCapacity) {
                int16_t status = -1;
                AddIgnoredWord(Word(g.Word(1, 7, "abAB'")), status);
            }
            std::string w = k % 2 ? local[g.Below(static_cast<int>(local.size()))] : g.Word(1, 7, "abAB'");
            WordField word = Word(w);
            bool expected = false;
            for (int32_t j = 1; j <= SpellTables.LocalCount; j++)
                expected = expected || SameWord(SpellTables.LocalWords[j], word);
            WordField lower = LowerCaseCopy(word);
            for (int32_t j = 1; j <= SpellTables.IgnoredCount; j++)
                expected = expected || SameWord(LowerCaseCopy(SpellTables.IgnoredWords[j]), lower);
            int16_t status = -1;
            CheckWord(word, status);
            mismatches += (status == 0) != expected;
            known += expected;
        }
        EXPECT_EQ(mismatches, 0) << "round " << round;
        EXPECT_GT(known, 3000);
    }
}

TEST(SpeedUps, OnePassSelectionPicksWhat288PassesPick)
{
    ListFolder folder;
    Generator g{777};
    FreshPool();
    CompareSelection("empty pool");

    for (int round = 0; round < 40; round++) {
        FreshPool();
        int count = round < 20 ? g.Below(600) : PoolCapacity - g.Below(3);
        int range = 1 + g.Below(round % 2 == 0 ? 16 : 700);
        for (int k = 1; k <= count; k++) {
            int16_t score = static_cast<int16_t>(g.Below(range + 3) - 2);   // some zero or negative
            AppendCandidate(Word("c" + std::to_string(k)), score);
        }
        // A negative score first: with nothing positive the first slot's position is still zeroed.
        if (round == 3)
            SpellTables.CandidatePool.scores[1] = -5;
        CompareSelection(("round " + std::to_string(round)).c_str());
    }
}

TEST(SpeedUps, RememberedMatchAgreesWithThePlainRecursion)
{
    Generator g{99};
    int mismatches = 0, matches = 0;
    for (int k = 0; k < 200000; k++) {
        std::string pattern = g.Word(0, 9, "ab*?*");
        std::string text = g.Word(0, 10, k % 3 == 0 ? "ab*?" : "abc");
        bool fast = WildcardMatch(pattern.c_str(), text.c_str());
        bool plain = literal::WildcardMatch(pattern.c_str(), text.c_str());
        mismatches += fast != plain;
        matches += fast;
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(matches, 1000);   // the inputs reach both answers
}

TEST(SpeedUps, PreChecksNeverSkipAPairThatWouldBeKept)
{
    ListFolder folder;
    Generator g{4242};
    int kept = 0;
    for (int k = 0; k < 60000; k++) {
        const char* alphabet = k % 5 == 0 ? "abcde_- " : "abcdeA";
        std::string w = g.Word(1, k % 4 == 0 ? 32 : 14, alphabet);
        std::string e = k % 2 ? Misspell(g, w) + g.Word(0, 6, "abcde") : g.Word(1, 32, alphabet);
        e = e.substr(0, 32);
        int16_t pass = static_cast<int16_t>(1 + k % 2);
        SpellTables.QueryWord = Word(k % 3 == 0 ? "Q" : "q");

        bool keptHere = false;
        ASSERT_TRUE(EvaluatesWordForWord(w, e, pass, keptHere)) << w << " / " << e;
        if (keptHere) {
            kept++;
            WordField word = Word(w);
            int16_t n = TrimmedLength(word), m = TrimmedLength(Word(e));
            WordProfile profile;
            ProfileWord(word, n, profile);
            ASSERT_TRUE(MayReachScore(profile, Word(e), m, pass == 1 ? 15 : 16))
                << w << " / " << e;
        }
    }
    EXPECT_GT(kept, 1000);
}

TEST(SpeedUps, BlockBoundsPassEveryEntryTheCloserLookPasses)
{
    // Lists of the word's misspellings and of random entries, blanks, underscores, hyphens and capitals
    // included; every entry the exact bound passes must pass the block bounds, and where the scan
    // scores a pair from its bounds alone, that must be the pair's own score.
    Generator g{7331};
    int passed = 0, scoredFromBounds = 0;
    for (int round = 0; round < 150; round++) {
        const char* alphabet = round % 5 == 0 ? "abcde_- " : "abcdeA";
        std::string w = g.Word(2, round % 4 == 0 ? 32 : 14, alphabet);
        if (round % 7 == 0)
            w[0] = '_';   // as the other-initial scan masks it
        SpellTables.MainCount = 600;
        for (int k = 1; k <= SpellTables.MainCount; k++) {
            std::string e = k % 2 ? Misspell(g, w) + g.Word(0, 3, "abcde") : g.Word(1, 32, alphabet);
            SpellTables.MainWords[k] = Word(e.substr(0, 32));
        }
        BuildMainListProfile();
        BuildMainListColumns();
        WordField word = Word(w);
        int16_t n = TrimmedLength(word);
        WordProfile profile;
        ProfileWord(word, n, profile);
        ColumnQuery query;
        PrepareColumnQuery(word, n, query);
        bool wordPlain = w.find(' ') == std::string::npos;
        for (int32_t k = 1; k <= SpellTables.MainCount; k++) {
            BlockBounds bounds;
            BoundBlock(query, k / ColumnBlockWidth, bounds);
            int j = k % ColumnBlockWidth;
            const WordField& entry = SpellTables.MainWords[k];
            int16_t m = MainEntryLength(k);
            ASSERT_EQ(bounds.length[j], m);
            bool mayDouble = IsLowerLetter(w[0]) && entry.ch[0] == w[0] - 'a' + 'A';
            int threshold = 15 + g.Below(k % 50 == 0 ? 400 : 20);
            bool within = MayReachScoreWithin(n, m, bounds.points[j], bounds.placed[j], bounds.missing[j],
                                              mayDouble, bounds.holdsMarks[j] != 0, threshold);
            uint32_t lanes = LanesMayReach(query, bounds, mayDouble, threshold);
            ASSERT_EQ((lanes >> j) & 1, within ? 1u : 0u) << w << " / " << Text(entry);
            if (MayReachScore(profile, entry, m, threshold)) {
                passed++;
                ASSERT_TRUE(within) << w << " / " << Text(entry);
            }
            if (wordPlain && !mayDouble && bounds.holdsInnerBlank[j] == 0 && !MayAlign(n, m) &&
                PassesLengthGate(n, m)) {
                scoredFromBounds++;
                ASSERT_EQ(ScoreFromParts(bounds.points[j], n, m, bounds.missing[j], false),
                          PairScore(word, n, entry, m)) << w << " / " << Text(entry);
            }
        }
    }
    ResetSpellTablesForTesting();
    EXPECT_GT(passed, 5000);
    EXPECT_GT(scoredFromBounds, 5000);
}

TEST(SpeedUps, LongWordsScoreAsWordForWord)
{
    // Words past one 8-character chunk against entries that differ by a mistake or two, so that the
    // chunk-wise position comparison and the alignment meet every length and many kept pairs.
    ListFolder folder;
    Generator g{5150};
    int kept = 0;
    for (int k = 0; k < 40000; k++) {
        std::string w = g.Word(6, 31, k % 3 == 0 ? "abcdeA-" : "abcdefghij");
        std::string e = Misspell(g, w);
        if (k % 2 == 0)
            e = Misspell(g, e);
        e = e.substr(0, 32);
        int16_t pass = static_cast<int16_t>(1 + k % 2);
        SpellTables.QueryWord = Word(k % 5 == 0 ? "Q" : "q");

        bool keptHere = false;
        ASSERT_TRUE(EvaluatesWordForWord(w, e, pass, keptHere)) << w << " / " << e;
        kept += keptHere;
    }
    EXPECT_GT(kept, 10000);
}

TEST(SpeedUps, ATextsPairsLieWithinThePairsOfEveryEntryHoldingIt)
{
    // The second scan visits only entries whose pairs of adjacent characters include the tail's or
    // the middle's; an entry holding the text must never be passed over.
    Generator g{8080};
    int held = 0;
    for (int k = 0; k < 200000; k++) {
        std::string entry = g.Word(1, 32, "abcd -");
        int start = g.Below(static_cast<int>(entry.size()));
        std::string text = k % 2 ? entry.substr(start, 1 + g.Below(6)) : g.Word(0, 5, "abcd -");
        bool holds = entry.find(text) != std::string::npos;
        uint64_t textPairs = PairMask(text.c_str(), static_cast<int>(text.size()));
        uint64_t entryPairs = PairMask(entry.c_str(), static_cast<int>(entry.size()));
        if (holds) {
            held++;
            ASSERT_EQ(textPairs & ~entryPairs, 0u) << text << " in " << entry;
        }
    }
    EXPECT_GT(held, 100000);
}

// Compares whole pools: the scans keep every candidate, as under the debug listings.
class WholeFlow : public ::testing::Test {
protected:
    void SetUp() override { KeepWholeCandidatePool(true); }
    void TearDown() override { KeepWholeCandidatePool(false); }

    ListFolder folder;
    Generator g{2024};
    std::vector<std::string> words;

    void WriteLists(int count)
    {
        for (int k = 0; k < count; k++) {
            std::string w = g.Word(2, 13, Letters);
            if (k % 11 == 0)
                w[0] = static_cast<char>(w[0] - 32);
            if (k % 29 == 0)
                w.insert(w.size() / 2, "'");
            if (k % 31 == 0)
                w.insert(w.size() / 2, k % 2 ? "-" : "_");
            words.push_back(w);
        }
        std::sort(words.begin(), words.end());
        words.erase(std::unique(words.begin(), words.end()), words.end());
        folder.WriteLines("Spell.txt", words);
        folder.WriteLines("Local.txt", {words[5] + "s", "Zed", words[77], "qu'ite", "abcdefghijklmnopqrstuvwxyzabcdef"});
        folder.WriteLines("Prefix.txt", {"# rows", "     ph           f", "     f            ph",
                                         "     un           in", "     k            c",
                                         "     q            k u"});
        LoadLists();
    }

    void CompareOn(const std::string& query)
    {
        WordField prepared;
        PrepareSuggestionWord(Word(query), prepared);
        literal::SuggestWords(prepared);
        Snapshot plain = Take();
        SuggestWords(prepared);
        EXPECT_TRUE(Take() == plain) << query;
    }
};

TEST_F(WholeFlow, SuggestionsEqualTheWordForWordGeneration)
{
    WriteLists(6000);
    int nonEmpty = 0;
    for (int k = 0; k < 400; k++) {
        std::string query = Misspell(g, words[g.Below(static_cast<int>(words.size()))]);
        if (k % 4 == 0)
            query = Misspell(g, query);
        if (k % 50 == 0)
            query = "ph" + query;
        if (k % 50 == 25)
            query = "q" + query;   // the row whose to-text holds a blank
        CompareOn(query.substr(0, 31));
        nonEmpty += SuggestionAt(1).empty() ? 0 : 1;
    }
    EXPECT_GT(nonEmpty, 300);
    // Closing runs of stars, and the first 31 characters of a 32-character entry (which ends in "ef").
    for (const char* pattern : {"*", "a*", "?", "*e*e*", "k?t*", "un*s", "*a*a*a*a*a*a*a*a*a*a*a*a*a*a*z",
                                "**", "?a**", "*?**e***", "abc*e", "abc*f", "*'*"})
        CompareOn(pattern);
}

TEST_F(WholeFlow, PassingOverWhatCannotBeSelectedKeepsTheSuggestions)
{
    // A list of many similar words, so that pools hold more than the selection takes: without the
    // whole pool the scans pass over candidates, and the suggestions with their scores must stay.
    // With it, the pool must be the word-for-word generation's.
    for (int k = 0; k < 30000; k++)
        words.push_back(g.Word(1, 1, "aeinorstlcT") + g.Word(2, 10, k % 13 ? "aeinorstlc" : "aeinorstlc-'_"));
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    folder.WriteLines("Spell.txt", words);
    folder.WriteLines("Local.txt", {words[9], "stone"});
    folder.WriteLines("Prefix.txt", {"     st           s"});
    LoadLists();
    int smaller = 0;
    for (int k = 0; k < 40; k++) {
        std::string query = Misspell(g, words[g.Below(static_cast<int>(words.size()))]);
        if (k % 10 == 0)
            query = "st" + query;
        literal::SuggestWords(Word(query));
        std::vector<std::string> texts = SuggestionTexts();
        Snapshot whole = Take();
        SuggestWords(Word(query));
        EXPECT_TRUE(Take() == whole) << query;
        KeepWholeCandidatePool(false);
        SuggestWords(Word(query));
        smaller += PoolCount() < static_cast<int>(whole.texts.size());
        EXPECT_EQ(SuggestionTexts(), texts) << query;
        EXPECT_EQ(Take().slotScore, whole.slotScore) << query;
        KeepWholeCandidatePool(true);
    }
    EXPECT_GT(smaller, 20);
}

TEST_F(WholeFlow, PoolPositionsPastTheCountStayEmptyAfterAFullPool)
{
    // The reset clears only the positions written since the last one: a full pool followed by
    // small ones must still leave every later position blank with score 0.
    WriteLists(40000);
    CompareOn("*");
    ASSERT_EQ(PoolCount(), PoolCapacity);
    for (const char* query : {"tesd", "a", "se*", "ab"}) {
        SuggestWords(Word(query));
        const CandidatePoolTable& pool = SpellTables.CandidatePool;
        int dirty = 0;
        for (int k = pool.count + 1; k <= PoolCapacity; k++)
            dirty += pool.scores[k] != 0 || TrimmedLength(pool.texts[k]) != 0;
        EXPECT_EQ(dirty, 0) << query;
        Snapshot fast = Take();
        literal::SuggestWords(Word(query));
        EXPECT_TRUE(Take() == fast) << query;
    }
}

TEST_F(WholeFlow, LoneStarOnMoreEntriesThanThePoolHolds)
{
    WriteLists(40000);
    ASSERT_GT(SpellTables.MainCount, PoolCapacity);
    CompareOn("*");
    EXPECT_EQ(PoolCount(), PoolCapacity);
}

} // namespace
