#include "document_edit.h"

#include "caret_position.h"
#include "document_history.h"
#include "edit_context_menu.h"
#include "line_breaks.h"
#include "shell_state.h"
#include "spelling_marks.h"

namespace {

// Every edit control has the same window procedure, which ours calls on.
WNDPROC systemEditProc = nullptr;

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

int CALLBACK DocumentWordBreakProc(LPWSTR text, int index, int count, int question)
{
    return AnswerWordBreak(text, index, count, question);
}

} // namespace

HWND CreateDocumentEdit(HWND document)
{
    HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL,
                                0, 0, 100, 100, document,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(DocumentEditId)),
                                GetModuleHandleW(nullptr), nullptr);
    if (edit == nullptr)
        return nullptr;
    WNDPROC original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DocumentEditProc)));
    if (original != DocumentEditProc)
        systemEditProc = original;
    SendMessageW(edit, EM_SETWORDBREAKPROC, 0, reinterpret_cast<LPARAM>(DocumentWordBreakProc));
    return edit;
}

LRESULT CALLBACK CallSystemEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(systemEditProc, edit, message, wParam, lParam);
}

LRESULT CALLBACK DocumentEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CONTEXTMENU || IsContextMenuKey(message, wParam)) {
        ShowEditContextMenu(edit, message == WM_CONTEXTMENU ? lParam : -1);
        return 0;
    }
    LRESULT result = 0;
    if (AnswerHistoryMessage(edit, message, wParam, result))
        return result;
    EditMessageWatch watch = WatchBeforeMessage(edit, message, wParam);
    result = CallWithSpellingMarks(edit, message, wParam, lParam);
    RecordAfterMessage(edit, message, wParam, watch);
    if (MayMoveCaret(message, wParam))
        CaretMayHaveMoved();
    return result;
}
