#include "fonts.h"

#include "shell_state.h"

// Placeholder until the Format menu lands: only the default font exists.
void CreateDefaultFont()
{
    HDC screen = GetDC(nullptr);
    int height = -MulDiv(12, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    HFONT font = CreateFontA(height, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, "Lucida Console");
    if (font != nullptr) {
        if (hEditorFont != nullptr)
            DeleteObject(hEditorFont);
        hEditorFont = font;
    }
}

void ChooseEditorFont(HWND) {}
void RefreshDocumentFont(HWND) {}
void FormatFontCommand(HWND) {}
void FormatDefaultGuiFontCommand(HWND) {}
void FormatTimesNewRomanCommand(HWND) {}

void ReleaseEditorFonts()
{
    if (hEditorFont != nullptr)
        DeleteObject(hEditorFont);
    hEditorFont = nullptr;
}
