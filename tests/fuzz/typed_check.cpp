#include "typed_check.h"

#include <cstdint>
#include <cstring>

#include "fuzz_check.h"
#include "spell_tables.h"
#include "suggestions.h"
#include "word_check.h"
#include "word_scanner.h"

namespace {

const size_t LongestTypedWord = 31;

// The engine hands out words as terminated strings in 32-byte buffers.
void CheckAnswer(const char* answer)
{
    FUZZ_CHECK(std::memchr(answer, 0, WordWidth) != nullptr);
}

} // namespace

void CheckTypedTextForFuzzing(const std::string& typed)
{
    // The Word box holds a terminated string: what follows a zero byte is not part of it.
    std::string text = typed.substr(0, typed.find('\0'));
    if (text.empty() || text.size() > LongestTypedWord)
        return;

    char typedText[WordWidth] = {};
    std::memcpy(typedText, text.data(), text.size());
    CleanTypedWord(typedText);
    FUZZ_CHECK(std::strlen(typedText) <= LongestTypedWord);
    WordField typedField;
    ToWordField(typedText, typedField);

    int16_t status = 0;
    CheckWord(typedField, status);
    if (status <= 0)
        return;
    char answer[WordWidth];
    std::memset(answer, 'x', sizeof answer);
    LookupMisspelling(typedField, answer, status);
    CheckAnswer(answer);
    if (status <= 0)
        return;

    WordField suggestField;
    PrepareSuggestionWord(typedField, suggestField);
    SuggestWords(suggestField);
    for (int16_t slot = 1; slot <= SuggestionSlots; slot++) {
        std::memset(answer, 'x', sizeof answer);
        GetSuggestion(slot, answer);
        CheckAnswer(answer);
    }
}
