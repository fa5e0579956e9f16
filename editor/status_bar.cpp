#include "status_bar.h"

#include <commctrl.h>

#include "shell_state.h"

void SetStatusParts(HWND statusBar)
{
    // The first part keeps its width, the position part stands at the right, the name has the rest.
    const int firstPartEnd = 100;
    const int positionPartWidth = 140;
    RECT client = {};
    GetClientRect(statusBar, &client);
    int nameEnd = client.right - positionPartWidth;
    int rightEdges[3] = {firstPartEnd, nameEnd > firstPartEnd ? nameEnd : firstPartEnd, -1};
    SendMessageA(statusBar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(rightEdges));
}

void SetStatusTexts(const char* part0, const char* part1)
{
    SendDlgItemMessageA(hMainWindow, FrameStatusBarId, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(part0));
    if (part1 != nullptr)
        SendDlgItemMessageA(hMainWindow, FrameStatusBarId, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(part1));
}

void SetStatusPosition(const char* text)
{
    SendDlgItemMessageA(hMainWindow, FrameStatusBarId, SB_SETTEXTA, StatusPositionPart,
                        reinterpret_cast<LPARAM>(text));
}
