#include "spellcheck_hooks.h"

namespace {

MessageBoxFunction TestMessageBox = nullptr;

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
