#include "status_bar.h"

#include <commctrl.h>

#include "shell_state.h"

void SetStatusParts(HWND statusBar)
{
    // The first part keeps its width, the document's parts stand at the right, the name has the rest.
    const int firstPartEnd = 100;
    const int positionPartWidth = 140;
    const int lineEndsPartWidth = 60;
    const int encodingPartWidth = 110;
    RECT client = {};
    GetClientRect(statusBar, &client);
    int encodingStart = client.right - encodingPartWidth;
    int lineEndsStart = encodingStart - lineEndsPartWidth;
    int nameEnd = lineEndsStart - positionPartWidth;
    if (nameEnd < firstPartEnd)
        nameEnd = firstPartEnd;
    int rightEdges[5] = {firstPartEnd, nameEnd, nameEnd + positionPartWidth,
                         nameEnd + positionPartWidth + lineEndsPartWidth, -1};
    SendMessageW(statusBar, SB_SETPARTS, 5, reinterpret_cast<LPARAM>(rightEdges));
}

void SetStatusTexts(const wchar_t* part0, const wchar_t* part1)
{
    SendDlgItemMessageW(hMainWindow, FrameStatusBarId, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(part0));
    if (part1 != nullptr)
        SendDlgItemMessageW(hMainWindow, FrameStatusBarId, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(part1));
}

void SetStatusPart(int part, const wchar_t* text)
{
    SendDlgItemMessageW(hMainWindow, FrameStatusBarId, SB_SETTEXTW, static_cast<WPARAM>(part),
                        reinterpret_cast<LPARAM>(text));
}
