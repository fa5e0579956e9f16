#include "typed_text_check.h"

#include <cstring>

#include "suggest_words.h"
#include "suggestion_list.h"
#include "texts.h"
#include "word_check.h"
#include "word_scanner.h"

namespace {

void AddEntry(TypedWordEntries& entries, const char* text)
{
    if (entries.count >= SuggestionSlots)
        return;
    size_t n = std::strlen(text);
    if (n > static_cast<size_t>(TypedTextSize - 1))
        n = TypedTextSize - 1;
    std::memcpy(entries.text[entries.count], text, n);
    entries.text[entries.count][n] = 0;
    entries.count++;
}

// The correction from the misspellings table alone, or else the engine's suggestions, best first.
void ListCorrections(const WordField& typedField, WordField& suggestField, TypedWordEntries& entries)
{
    char text[WordWidth + 1];
    int16_t status = 0;
    LookupMisspelling(typedField, text, status);
    if (Succeeded(status)) {
        AddEntry(entries, text);
        return;
    }
    PrepareSuggestionWord(typedField, suggestField);
    SuggestWords(suggestField);
    for (int16_t i = 1; i <= SuggestionSlots; i++) {
        GetSuggestion(i, text);
        if (text[0] != 0)
            AddEntry(entries, text);
    }
}

} // namespace

const char* WordBoxRefusal(const char* boxText, const char* emptyWarning)
{
    size_t n = std::strlen(boxText);
    if (n > static_cast<size_t>(TypedTextSize - 1))
        return TEXT_ENTER_SHORTER_WORD;
    if (n == 0)
        return emptyWarning;
    return nullptr;
}

TypedTextVerdict CheckTypedText(const char* boxText, char* typedText, WordField& typedField, WordField& suggestField,
                                TypedWordEntries& entries, char* refusal)
{
    const char* warning = WordBoxRefusal(boxText, TEXT_ENTER_WORD_TO_CHECK);
    if (warning != nullptr) {
        std::strcpy(refusal, warning);
        return TypedTextRefused;
    }
    std::strcpy(typedText, boxText);
    CleanTypedWord(typedText);
    ToWordField(typedText, typedField);

    int16_t status = 0;
    CheckWord(typedField, status);
    if (WordListFailure(refusal))
        return WordListsMissing;
    entries.count = 0;
    if (Succeeded(status)) {
        AddEntry(entries, typedText);
        return TypedWordKnown;
    }
    ListCorrections(typedField, suggestField, entries);
    return TypedWordUnknown;
}
