#include "word_dialog.h"

INT_PTR HandleWordDialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                                WordDialogOpening onOpening, WordDialogCommand onCommand)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, GWLP_USERDATA, lParam);
        onOpening(dialog);
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    case WM_COMMAND:
        // Controls may report before WM_INITDIALOG, when there is no record yet.
        if (WordDialogRecord(dialog) != nullptr)
            onCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

void* WordDialogRecord(HWND dialog)
{
    return reinterpret_cast<void*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
}

void CloseWordDialog(HWND dialog)
{
    SendMessageW(dialog, WM_CLOSE, 0, 0);
}

void PressWordDialogButton(HWND dialog, int id)
{
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}
