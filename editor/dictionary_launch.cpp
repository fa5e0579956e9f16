#include "dictionary_launch.h"

#include "document_text.h"
#include "editor_hooks.h"
#include "texts.h"

namespace {

const int LongestLookupWord = 54;

} // namespace

void LaunchDictionary(HWND window, int editId)
{
    HWND edit = GetDlgItem(window, editId);
    int start = 0, end = 0;
    GetDocumentSelection(edit, start, end);
    if (end - start > LongestLookupWord)
        end = start + LongestLookupWord;
    DocumentTextCopy text(edit, end);

    // The selected text within its line, in double quotes.
    wchar_t parameters[LongestLookupWord + 3];
    int length = 0;
    parameters[length++] = L'"';
    for (int i = start; text.IsValid() && i < text.Length(); i++) {
        wchar_t c = text.Text()[i];
        if (c == L'\r' || c == L'\n' || c == L'"')
            break;
        parameters[length++] = c;
    }
    parameters[length++] = L'"';
    parameters[length] = L'\0';

    StartProgram(GetDesktopWindow(), WIDE(TEXT_DICTIONARY_VERB), WIDE(TEXT_DICTIONARY_PROGRAM), parameters, nullptr,
                 SW_SHOWNORMAL);
}
