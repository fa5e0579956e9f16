#include "message_boxes.h"

#include "listing_box.h"

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

void SetMessageBoxForTesting(MessageBoxFunction function)
{
    TestMessageBox = function;
}

void InstallListingMessageBox()
{
    SetListingBoxFunction(ShowListingPage);
}
