#include "show_message.h"

#include <strsafe.h>

#include "editor_hooks.h"
#include "texts.h"

void ShowMessage(HWND owner, const wchar_t* format, const wchar_t* string)
{
    if (string == nullptr || string[0] == L'\0')
        string = WIDE(TEXT_EMPTY_NAME);
    // Bounded formatting: a long string is cut instead of running past the buffer.
    wchar_t text[336];
    StringCchPrintfW(text, 336, format, string);
    ShowMessageBox(owner, text, WIDE(TEXT_MESSAGE_CAPTION), MB_ICONEXCLAMATION);
}

bool WindowCreated(HWND window, HWND owner, const char* failure, const char* caption, UINT style)
{
    if (window != nullptr)
        return true;
    ShowMessageBox(owner, failure, caption, style);
    return false;
}
