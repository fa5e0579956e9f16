#include "unknown_words.h"

#include "spell_tables.h"
#include "word_check.h"
#include "word_scanner.h"

namespace {

bool Touches(int32_t position, const WordPlace& word)
{
    return position >= word.start && position <= word.start + word.length;
}

} // namespace

int32_t FindUnknownWords(const char* line, int32_t length, int32_t spared, WordPlace* places, int32_t capacity)
{
    int32_t found = 0;
    int32_t start = 0, position = 0, wordLength = 0;
    WordField word;
    while (found < capacity) {
        NextWord(line, length, start, position, word, wordLength);
        if (wordLength == 0)
            break;
        start = position + wordLength;
        WordPlace place = {position - 1, wordLength};
        if (spared >= 0 && Touches(spared, place))
            continue;
        int16_t status = 0;
        CheckWord(word, status);
        if (SpellTables.TablesLoaded == 0)
            return NoVerdict;
        if (!Succeeded(status))
            places[found++] = place;
    }
    return found;
}
