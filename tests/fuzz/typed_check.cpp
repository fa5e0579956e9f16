#include "typed_check.h"

#include <cstring>

#include "fuzz_check.h"
#include "typed_text_check.h"

namespace {

bool Terminated(const char* text, size_t size)
{
    return std::memchr(text, 0, size) != nullptr;
}

} // namespace

void CheckTypedTextForFuzzing(const std::string& typed)
{
    // The Word box holds a terminated string: what follows a zero byte is not part of it.
    std::string boxText = typed.substr(0, typed.find('\0'));
    char typedText[TypedTextSize];
    WordField typedField, suggestField;
    static TypedWordEntries entries;   // large: kept off the stack
    char refusal[RefusalSize];
    std::memset(refusal, 'x', sizeof refusal);

    TypedTextVerdict verdict =
        CheckTypedText(boxText.c_str(), typedText, typedField, suggestField, entries, refusal);
    switch (verdict) {
    case TypedTextRefused:
    case WordListsMissing:
        FUZZ_CHECK(Terminated(refusal, sizeof refusal) && refusal[0] != 0);
        return;
    case TypedWordKnown:
        FUZZ_CHECK(entries.count == 1 && std::strcmp(entries.text[0], typedText) == 0);
        return;
    case TypedWordUnknown:
        FUZZ_CHECK(entries.count >= 0 && entries.count <= SuggestionSlots);
        for (int i = 0; i < entries.count; i++)
            FUZZ_CHECK(Terminated(entries.text[i], TypedTextSize));
        return;
    }
    FUZZ_CHECK(!"a verdict outside TypedTextVerdict");
}
