// The frame window: MDI client, toolbar, status bar, layout and command dispatch.
#pragma once
#include <windows.h>

LRESULT CALLBACK FrameWindowProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);
