// The frame's place on the screen, remembered from one run to the next.
#pragma once
#include <windows.h>

// The frame's size when nothing usable is remembered.
const int DefaultFrameWidth = 1100;
const int DefaultFrameHeight = 640;

struct FramePlacement {
    RECT normal;      // screen coordinates of the frame when neither maximized nor minimized
    bool maximized;
};

// What the last run left, when it is there, undamaged, of a size a frame can have and with its title bar
// on a screen: a window restored off the screens could not be reached.
bool RememberedFramePlacement(FramePlacement& placement);
// Remembers the frame's place as it is now (a minimized frame as it will be restored).
void RememberFramePlacement(HWND frame);
