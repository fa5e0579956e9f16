// Compares an open dialog's controls, in tab order, with the layout the dialog must have.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

struct ControlLayout {
    int id;              // -1 for labels
    const char* kind;    // window class name
    const char* text;
    RECT place;          // x, y, width, height in dialog units (held as left, top, right, bottom)
};

// Width in pixels of text in the control's font.
inline int TextWidth(HWND control, const char* text)
{
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::string(text).size()), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size.cx;
}

// selectedBoxId: the Selected Word box, which must not scroll horizontally (the Word box must).
inline void ExpectLayout(HWND dialog, const std::vector<ControlLayout>& expected, int selectedBoxId)
{
    size_t i = 0;
    for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr; control = GetWindow(control, GW_HWNDNEXT), i++) {
        ASSERT_LT(i, expected.size());
        const ControlLayout& want = expected[i];
        char kind[32] = {}, text[64] = {};
        GetClassNameA(control, kind, sizeof kind);
        GetWindowTextA(control, text, sizeof text);
        EXPECT_EQ(GetDlgCtrlID(control) & 0xFFFF, want.id & 0xFFFF) << i;
        EXPECT_STRCASEEQ(kind, want.kind) << i;
        if (want.id != 1002) {
            EXPECT_STREQ(text, want.text) << i;
        }

        // Place and size are mapped apart, as the dialog maps them when it creates the control.
        RECT place = {want.place.left, want.place.top, want.place.left, want.place.top};
        RECT size = {0, 0, want.place.right, want.place.bottom};
        MapDialogRect(dialog, &place);
        MapDialogRect(dialog, &size);
        RECT actual;
        GetWindowRect(control, &actual);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, place.left) << i;
        EXPECT_EQ(actual.top, place.top) << i;
        EXPECT_EQ(actual.right - actual.left, size.right) << i;
        if (want.id != 1002) {   // a list box rounds its height to whole entries
            EXPECT_EQ(actual.bottom - actual.top, size.bottom) << i;
        }
        if (std::string(kind) == "Static" && text[0] != 0) {
            // A label narrower than its text wraps and shows only its first words.
            EXPECT_LE(TextWidth(control, text), actual.right - actual.left) << text;
        }
        if (std::string(kind) == "Button") {
            EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & BS_DEFPUSHBUTTON, 0) << i;
        }
    }
    EXPECT_EQ(i, expected.size());

    LONG listStyle = GetWindowLongA(GetDlgItem(dialog, 1002), GWL_STYLE);
    EXPECT_EQ(listStyle & (LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_SORT), LBS_EXTENDEDSEL | LBS_NOTIFY);
    EXPECT_NE(GetWindowLongA(GetDlgItem(dialog, 1000), GWL_STYLE) & ES_AUTOHSCROLL, 0);
    EXPECT_EQ(GetWindowLongA(GetDlgItem(dialog, selectedBoxId), GWL_STYLE) & ES_AUTOHSCROLL, 0);
    char caption[32] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ(caption, "Spellmar");
}
