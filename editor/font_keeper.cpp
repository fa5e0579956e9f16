#include "font_keeper.h"

#include "shell_state.h"

namespace {

// A font is kept while a document shows it; there are at most as many such fonts as documents.
const int KeptFontCapacity = 64;
HFONT keptFonts[KeptFontCapacity];

bool IsStockFont(HFONT font)
{
    const int stockFonts[] = {OEM_FIXED_FONT, ANSI_FIXED_FONT, ANSI_VAR_FONT, SYSTEM_FONT,
                              DEVICE_DEFAULT_FONT, SYSTEM_FIXED_FONT, DEFAULT_GUI_FONT};
    for (int stock : stockFonts) {
        if (font == static_cast<HFONT>(GetStockObject(stock)))
            return true;
    }
    return false;
}

bool SomeDocumentShows(HFONT font)
{
    if (hMDIClient == nullptr)
        return false;
    for (HWND document = GetWindow(hMDIClient, GW_CHILD); document != nullptr;
         document = GetWindow(document, GW_HWNDNEXT)) {
        HWND edit = GetDlgItem(document, DocumentEditId);
        if (edit != nullptr && reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)) == font)
            return true;
    }
    return false;
}

bool Keep(HFONT font)
{
    for (HFONT& slot : keptFonts) {
        if (slot == font)
            return true;
        if (slot == nullptr) {
            slot = font;
            return true;
        }
    }
    return false;
}

} // namespace

void ReplaceEditorFont(HFONT font)
{
    HFONT replaced = hEditorFont;
    hEditorFont = font;
    if (replaced == nullptr || replaced == font || IsStockFont(replaced))
        return;
    if (!Keep(replaced)) {
        ReleaseUnusedFonts();
        // With every slot shown by an open document the font stays allocated untracked: it
        // cannot be released safely, and this takes more open documents than there are slots.
        Keep(replaced);
    }
}

void ReleaseUnusedFonts()
{
    for (HFONT& slot : keptFonts) {
        if (slot != nullptr && slot != hEditorFont && !SomeDocumentShows(slot)) {
            DeleteObject(slot);
            slot = nullptr;
        }
    }
}

void ReleaseAllFonts()
{
    for (HFONT& slot : keptFonts) {
        if (slot != nullptr && slot != hEditorFont)
            DeleteObject(slot);
        slot = nullptr;
    }
    if (hEditorFont != nullptr && !IsStockFont(hEditorFont))
        DeleteObject(hEditorFont);
    hEditorFont = nullptr;
}
