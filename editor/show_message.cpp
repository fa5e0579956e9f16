#include "show_message.h"

#include <cstdio>

#include "editor_hooks.h"
#include "texts.h"

void ShowMessage(HWND owner, const char* format, const char* string)
{
    if (string == nullptr || string[0] == '\0')
        string = TEXT_EMPTY_NAME;
    // Bounded formatting: a long string is cut instead of running past the buffer.
    char text[336];
    std::snprintf(text, sizeof(text), format, string);
    ShowMessageBox(owner, text, TEXT_MESSAGE_CAPTION, MB_ICONEXCLAMATION);
}

bool WindowCreated(HWND window, HWND owner, const char* failure, const char* caption, UINT style)
{
    if (window != nullptr)
        return true;
    ShowMessageBox(owner, failure, caption, style);
    return false;
}
