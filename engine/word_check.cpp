#include "word_check.h"

#include <cstring>

#include "engine_status.h"
#include "main_list_index.h"
#include "spell_tables.h"
#include "text_indexes.h"
#include "word_lists.h"

void CheckWord(const WordField& word, int16_t& status)
{
    if (SpellTables.TablesLoaded == 0) {
        LoadSpellTables(status);
        if (status != StatusSuccess)
            return;
        SpellTables.TablesLoaded = 1;
    }
    status = StatusFailure;
    if (IsIgnoredWord(word) || InLocalList(word)) {
        status = StatusSuccess;
        return;
    }
    int slot = LetterSlot(static_cast<unsigned char>(word.ch[0]));
    if (slot < 1 || slot > LetterSlotCount)
        return;
    if (ScanMainList(word, SpellTables.LetterStart[slot])) {
        status = StatusSuccess;
        return;
    }
    if (!IsUpperLetter(word.ch[0]))
        return;

    WordField capitalised = word;
    ChangeCase(LowerCaseMode, capitalised.ch + 1, WordWidth - 1);
    if (ScanMainList(capitalised, SpellTables.LetterStart[slot])) {
        status = StatusSuccess;
        return;
    }
    WordField lower = LowerCaseCopy(word);
    if (ScanMainList(lower, SpellTables.LetterStart[slot + 26]))
        status = StatusSuccess;
}

void AddIgnoredWord(const WordField& word, int16_t& status)
{
    if (SpellTables.IgnoredCount >= IgnoredCapacity) {
        status = StatusFailure;
        return;
    }
    SpellTables.IgnoredCount++;
    SpellTables.IgnoredWords[SpellTables.IgnoredCount] = word;
    IndexIgnoredWords();
    status = StatusSuccess;
}

void LookupMisspelling(const WordField& word, char* correction, int16_t& status)
{
    std::memset(correction, ' ', WordWidth);
    status = StatusFailure;
    char initial = word.ch[0];
    WordField lower = LowerCaseCopy(word);
    int32_t match = FirstMisspellingLine(lower);
    for (int32_t j = match - 1; j >= 1; j--) {
        const WordField& line = SpellTables.MisspellLines[j];
        if (line.ch[0] == '$') {
            CopyToField(correction, WordWidth, line.ch + 1, WordWidth - 1);
            status = StatusSuccess;
            if (IsUpperLetter(initial) && IsLowerLetter(correction[0]))
                ChangeCase(UpperCaseMode, correction, 1);
            break;
        }
    }
    int p = TrimmedLength(correction, WordWidth);
    if (p < WordWidth)
        p++;
    correction[p - 1] = 0;
}
