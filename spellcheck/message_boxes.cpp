#include "message_boxes.h"

#include <strsafe.h>

#include "listing_box.h"
#include "texts.h"

// The engine names the message box's styles and answers itself; they must stay the system's.
static_assert(ListingBoxOkCancel == static_cast<unsigned>(MB_OKCANCEL), "listing box style");
static_assert(ListingBoxYesNoCancel == static_cast<unsigned>(MB_YESNOCANCEL), "listing box style");
static_assert(ListingBoxToForeground == static_cast<unsigned>(MB_SETFOREGROUND), "listing box style");
static_assert(ListingBoxCancelAnswer == IDCANCEL, "listing box answer");
static_assert(ListingBoxNoAnswer == IDNO, "listing box answer");

namespace {

const UINT Windows1252 = 1252;
// The longest narrow text shown: a debug listing page or a message that names a file.
const int LongestNarrowText = 4096;

// Room for the system's reason for a failure, and for a failure's whole text: its fixed words, a file
// name of up to MAX_PATH characters and the reason.
const int ReasonSize = 256;
const int FailureMessageSize = MAX_PATH + ReasonSize + 200;

MessageBoxFunction TestMessageBox = nullptr;

void Widen(const char* text, wchar_t* wide, int capacity)
{
    wide[0] = L'\0';
    if (text == nullptr)
        return;
    int length = MultiByteToWideChar(Windows1252, 0, text, -1, wide, capacity);
    if (length == 0)
        wide[capacity - 1] = L'\0';   // cut at the capacity rather than shown empty
}

const wchar_t* NameOrUntitled(const wchar_t* name)
{
    return name != nullptr && name[0] != L'\0' ? name : WIDE(TEXT_EMPTY_NAME);
}

// The system's own description of an error, without the line ends it closes with.
void SystemReason(DWORD error, wchar_t* reason, DWORD size)
{
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                  reason, size, nullptr);
    while (length > 0 && (reason[length - 1] == L'\n' || reason[length - 1] == L'\r'))
        length--;
    reason[length] = L'\0';
    if (length == 0)
        StringCchPrintfW(reason, size, WIDE(TEXT_SYSTEM_ERROR_NUMBER), static_cast<unsigned long>(error));
}

int ShowListingPage(void* owner, const char* text, const char* caption, unsigned style)
{
    return ShowMessageBox(static_cast<HWND>(owner), text, caption, style);
}

} // namespace

int ShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT style)
{
    if (TestMessageBox != nullptr)
        return TestMessageBox(owner, text, caption, style);
    return MessageBoxW(owner, text, caption, style);
}

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style)
{
    static wchar_t wideText[LongestNarrowText];
    static wchar_t wideCaption[MAX_PATH];
    Widen(text, wideText, LongestNarrowText);
    Widen(caption, wideCaption, MAX_PATH);
    return ShowMessageBox(owner, wideText, caption != nullptr ? wideCaption : nullptr, style);
}

int ShowNamedMessage(HWND owner, const wchar_t* format, const wchar_t* name, const wchar_t* caption, UINT style)
{
    // Bounded formatting: a long name is cut instead of running past the buffer.
    wchar_t text[LongestNamedMessage + 1];
    StringCchPrintfW(text, LongestNamedMessage + 1, format, NameOrUntitled(name));
    return ShowMessageBox(owner, text, caption, style);
}

int ShowFailureWithReason(HWND owner, const wchar_t* format, const wchar_t* name, DWORD error,
                          const wchar_t* caption, UINT style)
{
    wchar_t reason[ReasonSize];
    SystemReason(error, reason, ReasonSize);
    wchar_t text[FailureMessageSize];
    StringCchPrintfW(text, FailureMessageSize, format, NameOrUntitled(name), reason);
    return ShowMessageBox(owner, text, caption, style);
}

bool WindowCreated(HWND window, HWND owner, const char* failure, const char* caption, UINT style)
{
    if (window != nullptr)
        return true;
    ShowMessageBox(owner, failure, caption, style);
    return false;
}

void SetMessageBoxForTesting(MessageBoxFunction function)
{
    TestMessageBox = function;
}

void InstallListingMessageBox()
{
    SetListingBoxFunction(ShowListingPage);
}
