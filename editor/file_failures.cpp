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
    const int textSize = MAX_PATH + 256 + 200;
    wchar_t text[textSize];
    StringCchPrintfW(text, textSize, format, fileName, reason);
    ShowMessageBox(owner, text, WIDE(TEXT_MESSAGE_CAPTION), MB_ICONERROR);
}

// The system's own words would mislead for these: "Access denied." for a file that another program
// holds open, "Disk full." where the old file would fit but its new copy does not fit beside it.
static const wchar_t* SaveFailureFormat(DWORD error)
{
    switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return WIDE(TEXT_SAVE_IN_USE);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return WIDE(TEXT_SAVE_NO_ROOM_FOR_COPY);
    default:
        return WIDE(TEXT_SAVE_FAILED);
    }
}

void ShowOpenFailure(HWND owner, const wchar_t* fileName, DWORD error)
{
    ShowFailureWithReason(owner, WIDE(TEXT_OPEN_FAILED), fileName, error);
}

void ShowSaveFailure(HWND owner, const wchar_t* fileName, DWORD error)
{
    ShowFailureWithReason(owner, SaveFailureFormat(error), fileName, error);
}
