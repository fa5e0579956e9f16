#include "frame_placement.h"

#include "settings_store.h"

namespace {

const wchar_t LeftSetting[] = L"WindowLeft";
const wchar_t TopSetting[] = L"WindowTop";
const wchar_t WidthSetting[] = L"WindowWidth";
const wchar_t HeightSetting[] = L"WindowHeight";
const wchar_t MaximizedSetting[] = L"WindowMaximized";

// So much of the title bar must be on a screen for the user to find and drag the frame.
const int MinimumVisibleTitleWidth = 100;

bool SizeIsPossible(LONG width, LONG height)
{
    return width >= GetSystemMetrics(SM_CXMINTRACK) && width <= GetSystemMetrics(SM_CXMAXTRACK) &&
           height >= GetSystemMetrics(SM_CYMINTRACK) && height <= GetSystemMetrics(SM_CYMAXTRACK);
}

bool TitleBarOnAScreen(const RECT& frame)
{
    RECT titleBar = {frame.left, frame.top, frame.right, frame.top + GetSystemMetrics(SM_CYCAPTION)};
    HMONITOR monitor = MonitorFromRect(&titleBar, MONITOR_DEFAULTTONULL);
    MONITORINFO screen = {};
    screen.cbSize = sizeof(screen);
    if (monitor == nullptr || !GetMonitorInfoW(monitor, &screen))
        return false;
    RECT visible;
    if (!IntersectRect(&visible, &titleBar, &screen.rcWork))
        return false;
    return visible.right - visible.left >= MinimumVisibleTitleWidth &&
           visible.bottom - visible.top == titleBar.bottom - titleBar.top;
}

} // namespace

bool RememberedFramePlacement(FramePlacement& placement)
{
    DWORD left = 0, top = 0, width = 0, height = 0, maximized = 0;
    if (!ReadSettingNumber(LeftSetting, left) || !ReadSettingNumber(TopSetting, top) ||
        !ReadSettingNumber(WidthSetting, width) || !ReadSettingNumber(HeightSetting, height) ||
        !ReadSettingNumber(MaximizedSetting, maximized) || maximized > 1)
        return false;
    // Stored as the bits of signed numbers: a screen left of or above the main one has negative ones.
    LONG x = static_cast<LONG>(left), y = static_cast<LONG>(top);
    LONG cx = static_cast<LONG>(width), cy = static_cast<LONG>(height);
    if (!SizeIsPossible(cx, cy))
        return false;
    RECT normal = {x, y, x + cx, y + cy};
    if (!TitleBarOnAScreen(normal))
        return false;
    placement.normal = normal;
    placement.maximized = maximized == 1;
    return true;
}

void RememberFramePlacement(HWND frame)
{
    WINDOWPLACEMENT now = {};
    now.length = sizeof(now);
    if (!GetWindowPlacement(frame, &now))
        return;
    // The restored place is given relative to the work area of the frame's screen.
    HMONITOR monitor = MonitorFromWindow(frame, MONITOR_DEFAULTTONEAREST);
    MONITORINFO screen = {};
    screen.cbSize = sizeof(screen);
    RECT normal = now.rcNormalPosition;
    if (GetMonitorInfoW(monitor, &screen))
        OffsetRect(&normal, screen.rcWork.left - screen.rcMonitor.left, screen.rcWork.top - screen.rcMonitor.top);
    bool maximized = IsZoomed(frame) || (IsIconic(frame) && (now.flags & WPF_RESTORETOMAXIMIZED) != 0);
    WriteSettingNumber(LeftSetting, static_cast<DWORD>(normal.left));
    WriteSettingNumber(TopSetting, static_cast<DWORD>(normal.top));
    WriteSettingNumber(WidthSetting, static_cast<DWORD>(normal.right - normal.left));
    WriteSettingNumber(HeightSetting, static_cast<DWORD>(normal.bottom - normal.top));
    WriteSettingNumber(MaximizedSetting, maximized ? 1 : 0);
}
