#include "go_to_line.h"

#include <strsafe.h>

#include "caret_position.h"
#include "document_text.h"
#include "text_lines.h"
#include "editor_hooks.h"
#include "resource_ids.h"
#include "shell_state.h"
#include "texts.h"

namespace {

// Enough for any line number an edit control's text can have, and no more, so the number cannot overflow.
const int LineNumberDigits = 9;

// OK: a line of the document closes the dialog; anything else says which numbers there are and lets
// the user try again.
void OnOk(HWND dialog)
{
    GoToLineRequest* request = reinterpret_cast<GoToLineRequest*>(GetWindowLongPtrW(dialog, DWLP_USER));
    BOOL isNumber = FALSE;
    UINT line = GetDlgItemInt(dialog, IDC_GOTO_LINE_NUMBER, &isNumber, FALSE);
    if (isNumber && line >= 1 && line <= static_cast<UINT>(request->lineCount)) {
        request->line = static_cast<int>(line);
        EndDialog(dialog, IDOK);
        return;
    }
    const int textSize = sizeof(TEXT_LINE_OUT_OF_RANGE) + 16;
    wchar_t text[textSize];
    StringCchPrintfW(text, textSize, WIDE(TEXT_LINE_OUT_OF_RANGE), request->lineCount);
    ShowMessageBox(dialog, text, WIDE(TEXT_CAPTION_WARNING), MB_ICONEXCLAMATION);
    HWND number = GetDlgItem(dialog, IDC_GOTO_LINE_NUMBER);
    SetFocus(number);
    SendMessageW(number, EM_SETSEL, 0, -1);
}

} // namespace

INT_PTR CALLBACK GoToLineDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        const GoToLineRequest* request = reinterpret_cast<const GoToLineRequest*>(lParam);
        SendDlgItemMessageW(dialog, IDC_GOTO_LINE_NUMBER, EM_LIMITTEXT, LineNumberDigits, 0);
        SetDlgItemInt(dialog, IDC_GOTO_LINE_NUMBER, static_cast<UINT>(request->line), FALSE);
        return TRUE;   // the focus goes to the number, selected, so that typing replaces it
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            OnOk(dialog);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

void GoToLineCommand(HWND document)
{
    HWND edit = GetDlgItem(document, DocumentEditId);
    DocumentTextCopy text(edit);
    if (!text.IsValid())
        return;
    GoToLineRequest request = {};
    int column = 0;
    LineAndColumnAt(text.Text(), CaretIndex(edit), request.line, column);
    request.lineCount = CountLines(text.Text(), text.Length());
    if (DialogBoxParamW(hAppInstance, WIDE(TEXT_GOTO_BOX_NAME), document, GoToLineDialogProc,
                        reinterpret_cast<LPARAM>(&request)) != IDOK)
        return;
    int start = IndexOfLine(text.Text(), text.Length(), request.line);
    SelectDocumentSpan(edit, start, start);
}
