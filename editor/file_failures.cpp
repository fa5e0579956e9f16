#include "file_failures.h"

#include <cstdio>

#include "editor_hooks.h"
#include "texts.h"

// The system's own description of an error, without its final line end.
static void SystemErrorText(DWORD error, char* text, DWORD size)
{
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                  text, size, nullptr);
    while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r'))
        length--;
    text[length] = '\0';
    if (length == 0)
        std::snprintf(text, size, TEXT_SYSTEM_ERROR_NUMBER, static_cast<unsigned long>(error));
}

// format takes the file name, then the reason.
static void ShowFailureWithReason(HWND owner, const char* format, const char* fileName, DWORD error)
{
    char reason[256];
    SystemErrorText(error, reason, sizeof(reason));
    char text[MAX_PATH + sizeof(reason) + 64];
    std::snprintf(text, sizeof(text), format, fileName, reason);
    ShowMessageBox(owner, text, TEXT_MESSAGE_CAPTION, MB_ICONERROR);
}

void ShowOpenFailure(HWND owner, const char* fileName, DWORD error)
{
    ShowFailureWithReason(owner, TEXT_OPEN_FAILED, fileName, error);
}

void ShowSaveFailure(HWND owner, const char* fileName, DWORD error)
{
    ShowFailureWithReason(owner, TEXT_SAVE_FAILED, fileName, error);
}
