#include "fonts.h"

#include <cstddef>
#include <cstring>
#include <cwchar>

#include "caret_position.h"
#include "document_edit.h"
#include "editor_hooks.h"
#include "font_keeper.h"
#include "settings_store.h"
#include "shell_state.h"
#include "texts.h"

namespace {

const int EditorPointSize = 12;

// The chosen font, kept for the next run as the bytes of its LOGFONTW (of its LOGFONTA before the
// editor showed Unicode text: still read, so that the user's choice stays).
const wchar_t FontSetting[] = L"Font";
// Wider (in pixels) is no font for writing, but a damaged value.
const LONG LargestFontWidth = 1000;
// A remembered font smaller or larger than these, or one that is not upright, would hide the text or
// blow it up: a damaged value, replaced by the default.
const int SmallestFontPoints = 6;
const int LargestFontPoints = 72;

// The system reads and fills these while the Font dialog is open.
CHOOSEFONTW fontRecord;
LOGFONTW chosenFont;

// Negative: the character height without internal leading.
int ScreenHeightForPoints(int points)
{
    HDC screen = GetDC(nullptr);
    int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return height;
}

HFONT CreateNamedFont(const wchar_t* face)
{
    return CreateFontW(ScreenHeightForPoints(EditorPointSize), 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face);
}

// The height is the character height (negative) or the cell height (positive), in screen pixels.
bool HasWritingSize(const LOGFONTW& font)
{
    LONG height = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
    return height >= -ScreenHeightForPoints(SmallestFontPoints) && height <= -ScreenHeightForPoints(LargestFontPoints);
}

bool IsPlausibleFont(const LOGFONTW& font)
{
    bool hasName = font.lfFaceName[0] != L'\0' && std::wmemchr(font.lfFaceName, L'\0', LF_FACESIZE) != nullptr;
    bool upright = font.lfEscapement == 0 && font.lfOrientation == 0;
    return hasName && upright && HasWritingSize(font) && font.lfWidth >= 0 && font.lfWidth <= LargestFontWidth &&
           font.lfWeight >= 0 && font.lfWeight <= FW_HEAVY;
}

// A font remembered by a former version, as a LOGFONTA.
bool ReadNarrowFontSetting(LOGFONTW& font)
{
    LOGFONTA narrow;
    if (!ReadSettingBytes(FontSetting, &narrow, sizeof(narrow)) ||
        std::memchr(narrow.lfFaceName, '\0', LF_FACESIZE) == nullptr)
        return false;
    std::memcpy(&font, &narrow, offsetof(LOGFONTA, lfFaceName));
    return MultiByteToWideChar(CP_ACP, 0, narrow.lfFaceName, -1, font.lfFaceName, LF_FACESIZE) > 0;
}

// The font a former run chose; null when none is remembered, the value is damaged or the font cannot be made.
HFONT CreateRememberedFont()
{
    LOGFONTW font;
    if (!ReadSettingBytes(FontSetting, &font, sizeof(font)) && !ReadNarrowFontSetting(font))
        return nullptr;
    if (!IsPlausibleFont(font))
        return nullptr;
    return CreateFontIndirectW(&font);
}

// The new editor font, also for the next run.
void UseEditorFont(HFONT font)
{
    ReplaceEditorFont(font);
    LOGFONTW chosen;
    if (GetObjectW(font, sizeof(chosen), &chosen) == sizeof(chosen))
        WriteSettingBytes(FontSetting, &chosen, sizeof(chosen));
}

void ReportFontFailure(HWND owner)
{
    ShowMessageBox(owner, TEXT_FONT_CREATION_FAILED, TEXT_CAPTION_ERROR, MB_ICONEXCLAMATION);
}

// Lays the document out anew in the current font, then lets go of fonts nobody shows any more.
void RefreshDocument(HWND document)
{
    if (document != nullptr) {
        InvalidateRect(document, nullptr, TRUE);
        RefreshDocumentFont(document);
        UpdateWindow(document);
    }
    ReleaseUnusedFonts();
}

} // namespace

void CreateDefaultFont()
{
    HFONT font = CreateNamedFont(WIDE(TEXT_FONT_NAME_DEFAULT));
    if (font == nullptr) {
        ReportFontFailure(nullptr);
        return;
    }
    ReplaceEditorFont(font);
}

void CreateStartingFont()
{
    HFONT remembered = CreateRememberedFont();
    if (remembered != nullptr)
        ReplaceEditorFont(remembered);
    else
        CreateDefaultFont();
}

void ChooseEditorFont(HWND owner)
{
    ZeroMemory(&fontRecord, sizeof(fontRecord));
    ZeroMemory(&chosenFont, sizeof(chosenFont));
    if (hEditorFont != nullptr)
        GetObjectW(hEditorFont, sizeof(chosenFont), &chosenFont);
    fontRecord.lStructSize = sizeof(fontRecord);
    fontRecord.hwndOwner = owner;
    fontRecord.lpLogFont = &chosenFont;
    fontRecord.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS;
    fontRecord.rgbColors = fontColor;

    DWORD failure = 0;
    BOOL chosen = ShowFontDialog(&fontRecord, &failure);
    if (!chosen && failure == CDERR_DIALOGFAILURE) {
        // The dialog could not appear for this owner: once more, owned by the MDI client.
        fontRecord.hwndOwner = hMDIClient;
        chosen = ShowFontDialog(&fontRecord, &failure);
    }
    if (!chosen)
        return;
    HFONT font = CreateFontIndirectW(&chosenFont);
    if (font == nullptr)
        ReportFontFailure(owner);
    else
        UseEditorFont(font);
    fontColor = fontRecord.rgbColors;
}

void RefreshDocumentFont(HWND document)
{
    // The edit control lays its text out anew for a font three times over (for its new margins as
    // well); given the font while it holds an empty buffer, it lays the text out once, when its own
    // buffer is handed back. The buffer changes hands behind Penmar's procedure, which must not take it
    // for new text: the text, its history, the changed mark and the selection stay as they were, and
    // the line shown first stays first.
    HWND edit = GetDlgItem(document, DocumentEditId);
    LRESULT firstLine = SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0);
    LRESULT firstCharacter = SendMessageW(edit, EM_LINEINDEX, static_cast<WPARAM>(firstLine), 0);
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    int caret = CaretIndex(edit);
    LRESULT modified = CallSystemEditProc(edit, EM_GETMODIFY, 0, 0);
    HLOCAL text = reinterpret_cast<HLOCAL>(CallSystemEditProc(edit, EM_GETHANDLE, 0, 0));
    HLOCAL empty = text != nullptr ? LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, sizeof(wchar_t)) : nullptr;
    if (empty != nullptr)
        CallSystemEditProc(edit, EM_SETHANDLE, reinterpret_cast<WPARAM>(empty), 0);
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(hEditorFont), TRUE);
    if (empty != nullptr) {
        CallSystemEditProc(edit, EM_SETHANDLE, reinterpret_cast<WPARAM>(text), 0);
        LocalFree(empty);
        CallSystemEditProc(edit, EM_SETMODIFY, static_cast<WPARAM>(modified), 0);
        bool caretAtStart = static_cast<DWORD>(caret) == start && start != end;
        CallSystemEditProc(edit, EM_SETSEL, caretAtStart ? end : start, caretAtStart ? start : end);
    }
    LRESULT lineNow = SendMessageW(edit, EM_LINEFROMCHAR, static_cast<WPARAM>(firstCharacter), 0);
    LRESULT firstNow = SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0);
    SendMessageW(edit, EM_LINESCROLL, 0, lineNow - firstNow);
}

void FormatFontCommand(HWND frame)
{
    HWND active = ActiveDocument();
    if (active != nullptr) {
        ChooseEditorFont(active);
        RefreshDocument(active);
    } else {
        ChooseEditorFont(frame);
        ReleaseUnusedFonts();
    }
}

void FormatDefaultGuiFontCommand(HWND)
{
    HWND active = ActiveDocument();
    UseEditorFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    RefreshDocument(active);
}

void FormatTimesNewRomanCommand(HWND frame)
{
    HWND active = ActiveDocument();
    HFONT font = CreateNamedFont(WIDE(TEXT_FONT_NAME_TIMES));
    if (font == nullptr)
        ReportFontFailure(frame);
    else
        UseEditorFont(font);
    RefreshDocument(active);
}

void ReleaseEditorFonts()
{
    ReleaseAllFonts();
}
