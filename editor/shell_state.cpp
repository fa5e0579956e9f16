#include "shell_state.h"

HWND hMainWindow = nullptr;
HWND hMDIClient = nullptr;
HWND hFindDialog = nullptr;
HFONT hEditorFont = nullptr;
COLORREF fontColor = 0;
HINSTANCE hAppInstance = nullptr;
wchar_t pendingFileName[MAX_PATH];
int openFromCommandLine = 0;

HWND ActiveDocument()
{
    if (hMDIClient == nullptr)
        return nullptr;
    return reinterpret_cast<HWND>(SendMessageW(hMDIClient, WM_MDIGETACTIVE, 0, 0));
}
