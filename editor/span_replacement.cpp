#include "span_replacement.h"

#include "handle_holders.h"

bool PutReplacedSpan(HWND edit, const char* text, int length, const ReplacedSpan& span, const Replacing& replacing,
                     bool undoable)
{
    GlobalMemoryHolder newText(static_cast<SIZE_T>(span.newLength) + 1);
    if (!newText.IsValid())
        return false;
    WriteReplacedSpan(text, length, span, replacing, newText.Text());
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(span.start), static_cast<LPARAM>(span.end));
    SendMessageA(edit, EM_REPLACESEL, undoable ? TRUE : FALSE, reinterpret_cast<LPARAM>(newText.Text()));
    return true;
}
