#include "spellcheck_hooks.h"

#include "listing_box.h"

// The engine names the message box's styles and answers itself; they must stay the system's.
static_assert(ListingBoxOkCancel == static_cast<unsigned>(MB_OKCANCEL), "listing box style");
static_assert(ListingBoxYesNoCancel == static_cast<unsigned>(MB_YESNOCANCEL), "listing box style");
static_assert(ListingBoxToForeground == static_cast<unsigned>(MB_SETFOREGROUND), "listing box style");
static_assert(ListingBoxCancelAnswer == IDCANCEL, "listing box answer");
static_assert(ListingBoxNoAnswer == IDNO, "listing box answer");

namespace {

MessageBoxFunction TestMessageBox = nullptr;

int ShowListingPage(void* owner, const char* text, const char* caption, unsigned style)
{
    return ShowMessageBox(static_cast<HWND>(owner), text, caption, style);
}

} // namespace

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style)
{
    if (TestMessageBox != nullptr)
        return TestMessageBox(owner, text, caption, style);
    return MessageBoxA(owner, text, caption, style);
}

void SetMessageBoxForTesting(MessageBoxFunction function)
{
    TestMessageBox = function;
}

void InstallListingMessageBox()
{
    SetListingBoxFunction(ShowListingPage);
}
