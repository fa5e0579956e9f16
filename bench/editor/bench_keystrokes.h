// Keystrokes typed into an edit control and timed, for the editor's benchmarks: each keystroke is one
// WM_CHAR, then everything it queued (the status bar's caret position, say) is handled and the control
// repainted; and their peer, the system's edit control alone.
#pragma once
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench_clock.h"

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

inline void PumpAndPaint(HWND edit)
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    UpdateWindow(edit);
}

// The caret at the character index, scrolled into view and painted.
inline void ShowAt(HWND edit, int at)
{
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(at), static_cast<LPARAM>(at));
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    PumpAndPaint(edit);
}

// The i-th character typed: letters, and a space after every six.
inline wchar_t TypedCharacter(int i)
{
    return i % 7 == 6 ? L' ' : static_cast<wchar_t>(L'a' + i % 26);
}

// Milliseconds of one keystroke.
inline double TimeKeystroke(HWND edit, wchar_t typed)
{
    LARGE_INTEGER start = Now();
    SendMessageW(edit, WM_CHAR, typed, 1);
    PumpAndPaint(edit);
    return Seconds(start, Now()) * 1000;
}

// Milliseconds of each of `count` keystrokes typed at the character index.
inline std::vector<double> TimeTyping(HWND edit, int at, int count)
{
    ShowAt(edit, at);
    std::vector<double> times;
    for (int i = 0; i < count; i++)
        times.push_back(TimeKeystroke(edit, TypedCharacter(i)));
    return times;
}

// The system's edit control alone, with the document's styles, size, font and text.
inline HWND BareControl(HWND like, const std::string& text, HFONT font)
{
    RECT area;
    GetClientRect(like, &area);
    HWND bare = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL,
                                0, 0, area.right, area.bottom, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(bare, EM_LIMITTEXT, 0, 0);
    SendMessageW(bare, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    SetWindowTextA(bare, text.c_str());
    return bare;
}
