// Helpers for the suggestion tests: a fresh pool, its contents and the suggestion list as texts.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "list_folder.h"
#include "candidate_pool.h"
#include "candidate_scoring.h"
#include "spell_tables.h"
#include "suggest_words.h"
#include "suggestion_list.h"
#include "word_check.h"
#include "word_lists.h"

inline void FreshPool(int16_t scanPass = 1)
{
    ResetCandidatePool();
    SpellTables.CandidatePool.scanPass = scanPass;
}

// One EvaluateCandidate call; the query word is the word unless given.
inline void Evaluate(const std::string& word, const std::string& entry, const std::string& query = "")
{
    SpellTables.QueryWord = Word(query.empty() ? word : query);
    WordField w = Word(word);
    WordField e = Word(entry);
    EvaluateCandidate(w, TrimmedLength(w), e, TrimmedLength(e));
}

inline int16_t PoolCount()
{
    return SpellTables.CandidatePool.count;
}

inline std::string PoolText(int k)
{
    return Text(SpellTables.CandidatePool.texts[k]);
}

inline int16_t PoolScore(int k)
{
    return SpellTables.CandidatePool.scores[k];
}

inline std::string SuggestionAt(int16_t index)
{
    char out[WordWidth];
    GetSuggestion(index, out);
    return std::string(out);
}

// The non-empty suggestions of slots 1..288, as the dialogs list them.
inline std::vector<std::string> SuggestionTexts()
{
    std::vector<std::string> texts;
    for (int16_t i = 1; i <= SuggestionSlots; i++) {
        std::string s = SuggestionAt(i);
        if (!s.empty())
            texts.push_back(s);
    }
    return texts;
}

// Loads the lists of the folder through the first word check.
inline void LoadLists()
{
    int16_t status = -1;
    CheckWord(Word("zzzzzz"), status);
}

inline void Suggest(const std::string& word)
{
    WordField prepared;
    PrepareSuggestionWord(Word(word), prepared);
    SuggestWords(prepared);
}
