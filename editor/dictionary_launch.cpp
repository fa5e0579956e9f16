#include "dictionary_launch.h"

#include "document_lines.h"
#include "editor_hooks.h"
#include "texts.h"

namespace {

const int LongestLookupWord = 54;

} // namespace

void LaunchDictionary(HWND window, int editId)
{
    DocumentLine line;
    int32_t start = 0, end = 0;
    ReadSelectionLine(window, editId, line, start, end);
    int column = start - LineStart(window, editId, line);
    int lineLength = line.length;

    int count = end - start;
    if (count > LongestLookupWord)
        count = LongestLookupWord;
    // The selection may begin beyond the part of the line that was read: then nothing is passed.
    int available = column >= 0 && column < lineLength ? lineLength - column : 0;
    if (count > available)
        count = available;
    if (count < 0)
        count = 0;

    char parameters[LongestLookupWord + 3];
    int length = 0;
    parameters[length++] = '"';
    for (int i = 0; i < count; i++)
        parameters[length++] = line.text[column + i];
    parameters[length++] = '"';
    parameters[length] = '\0';

    StartProgram(GetDesktopWindow(), TEXT_DICTIONARY_VERB, TEXT_DICTIONARY_PROGRAM, parameters, nullptr,
                 SW_SHOWNORMAL);
}
