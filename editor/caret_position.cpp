#include "caret_position.h"

#include <cstdio>

#include "edit_text_copy.h"
#include "shell_state.h"
#include "status_bar.h"
#include "text_lines.h"
#include "texts.h"

namespace {

// Every edit control has the same window procedure, which the watch calls on.
WNDPROC editProcedure = nullptr;

bool MayMoveCaret(UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_SETTEXT:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_SETSEL:
    case EM_REPLACESEL:
        return true;
    case WM_MOUSEMOVE:
        return (wParam & MK_LBUTTON) != 0;   // selecting with the mouse
    }
    return false;
}

LRESULT CALLBACK CaretWatchProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = CallWindowProcA(editProcedure, edit, message, wParam, lParam);
    if (MayMoveCaret(message, wParam))
        CaretMayHaveMoved();
    return result;
}

} // namespace

int CaretIndex(HWND edit)
{
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    POINT caret;
    if (start == end || GetFocus() != edit || !GetCaretPos(&caret))
        return static_cast<int>(end);
    LRESULT startPoint = SendMessageA(edit, EM_POSFROMCHAR, start, 0);
    bool caretAtStart = static_cast<short>(LOWORD(startPoint)) == caret.x &&
                        static_cast<short>(HIWORD(startPoint)) == caret.y;
    return static_cast<int>(caretAtStart ? start : end);
}

void WatchCaret(HWND edit)
{
    WNDPROC original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CaretWatchProc)));
    if (original != CaretWatchProc)
        editProcedure = original;
}

void CaretMayHaveMoved()
{
    if (hMainWindow == nullptr)
        return;
    MSG queued;
    if (!PeekMessageA(&queued, hMainWindow, ShowCaretPositionMessage, ShowCaretPositionMessage, PM_NOREMOVE))
        PostMessageA(hMainWindow, ShowCaretPositionMessage, 0, 0);
}

void ShowCaretPosition()
{
    HWND document = ActiveDocument();
    HWND edit = document != nullptr ? GetDlgItem(document, DocumentEditId) : nullptr;
    if (edit == nullptr) {
        SetStatusPosition("");
        return;
    }
    int caret = CaretIndex(edit);
    // Only the text before the caret decides its line and column.
    EditTextCopy text(edit, caret);
    if (!text.IsValid())
        return;
    int line = 0, column = 0;
    LineAndColumnAt(text.Text(), text.Length(), line, column);
    char position[sizeof(TEXT_STATUS_POSITION) + 24];
    std::snprintf(position, sizeof(position), TEXT_STATUS_POSITION, line, column);
    SetStatusPosition(position);
}
