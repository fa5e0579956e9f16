#include "change_all.h"

#include <cstring>

#include "document_lines.h"
#include "spell_run_state.h"
#include "word_scanner.h"

void ChangeAllInDocument(HWND window, int editId)
{
    char line[LineCapacity + 1];
    int32_t lineCount = static_cast<int32_t>(SendDlgItemMessageA(window, editId, EM_GETLINECOUNT, 0, 0));
    int32_t replacementLength = static_cast<int32_t>(std::strlen(SpellRunState.replacement));

    for (int32_t lineNumber = 0; lineNumber < lineCount; lineNumber++) {
        int32_t n = ReadDocumentLine(window, editId, lineNumber, line);
        int32_t start = 0;
        for (;;) {
            int32_t position = 0;
            WordField word;
            NextWord(line, n, start, position, word, SpellRunState.currentLength);
            int32_t length = SpellRunState.currentLength;
            if (length == 0)
                break;
            start = position + length;
            std::memcpy(SpellRunState.currentWord, word.ch, WordWidth);
            SpellRunState.currentWord[length] = 0;
            if (std::strcmp(SpellRunState.currentWord, SpellRunState.typedText) != 0)
                continue;

            SelectLineText(window, editId, lineNumber, position, length);
            ReplaceSelection(window, editId, SpellRunState.replacement);
            n = ReadDocumentLine(window, editId, lineNumber, line);
            // Go on behind the inserted text: a replacement that holds the word again must not be
            // replaced once more. The search passes over the rest of a word the replacement ends in.
            start = position - 1 + replacementLength;
        }
    }
}
