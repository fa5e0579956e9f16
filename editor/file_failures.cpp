#include "file_failures.h"

#include <strsafe.h>

#include "editor_hooks.h"
#include "texts.h"

// The system's own description of an error, without its final line end.
static void SystemErrorText(DWORD error, wchar_t* text, DWORD size)
{
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                  text, size, nullptr);
    while (length > 0 && (text[length - 1] == L'\n' || text[length - 1] == L'\r'))
        length--;
    text[length] = L'\0';
    if (length == 0)
        StringCchPrintfW(text, size, WIDE(TEXT_SYSTEM_ERROR_NUMBER), static_cast<unsigned long>(error));
}

// format takes the file name, then the reason.
static void ShowFailureWithReason(HWND owner, const wchar_t* format, const wchar_t* fileName, DWORD error)
{
    wchar_t reason[256];
    SystemErrorText(error, reason, 256);
    const int textSize = MAX_PATH + 256 + 64;
    wchar_t text[textSize];
    StringCchPrintfW(text, textSize, format, fileName, reason);
    ShowMessageBox(owner, text, WIDE(TEXT_MESSAGE_CAPTION), MB_ICONERROR);
}

void ShowOpenFailure(HWND owner, const wchar_t* fileName, DWORD error)
{
    ShowFailureWithReason(owner, WIDE(TEXT_OPEN_FAILED), fileName, error);
}

void ShowSaveFailure(HWND owner, const wchar_t* fileName, DWORD error)
{
    ShowFailureWithReason(owner, WIDE(TEXT_SAVE_FAILED), fileName, error);
}
