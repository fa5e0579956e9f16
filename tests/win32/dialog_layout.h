// Compares an open dialog's controls, in tab order, with the layout the dialog must have.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "penmar_version.h"

struct ControlLayout {
    int id;              // -1 for labels
    const char* kind;    // window class name
    const char* text;
    RECT place;          // x, y, width, height in dialog units (held as left, top, right, bottom)
};

// Both word dialogs come from one template: the Word box, its status and the suggestion list on top,
// the dialog's own buttons between, then Cancel, the Selected Word box and the version line.
inline std::vector<ControlLayout> WordDialogLayout(const char* word, const char* status,
                                                   const std::vector<ControlLayout>& buttons, int selectedBoxId)
{
    std::vector<ControlLayout> layout = {{-1, "Static", "Word", {4, 8, 20, 8}},
                                         {1000, "Edit", word, {25, 7, 120, 14}},
                                         {1001, "Static", status, {150, 7, 51, 14}},
                                         {1002, "ListBox", "", {7, 25, 138, 106}}};
    layout.insert(layout.end(), buttons.begin(), buttons.end());
    layout.push_back({1009, "Button", "Canc&el", {150, 116, 50, 14}});
    layout.push_back({-1, "Static", "Selected Word", {7, 139, 66, 8}});
    layout.push_back({selectedBoxId, "Edit", "", {57, 137, 120, 14}});
    layout.push_back({-1, "Static", PENMAR_DIALOG_VERSION_TEXT, {179, 141, 26, 8}});
    return layout;
}

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
