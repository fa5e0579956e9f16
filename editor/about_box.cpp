#include "about_box.h"

#include "shell_state.h"
#include "texts.h"

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        // Only OK closes the box; Esc does not.
        if (LOWORD(wParam) == IDOK) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

void ShowAboutBox(HWND frame)
{
    DialogBoxParamW(hAppInstance, WIDE(TEXT_ABOUT_BOX_NAME), frame, AboutDialogProc, 0);
}
