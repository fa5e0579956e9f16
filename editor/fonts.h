// The one current editor font and the Format menu commands. A change applies to the active
// document and to documents created afterwards; other open documents keep the font they show.
#pragma once
#include <windows.h>

// The font the user chose last, in this run or an earlier one, else the default: during the frame's creation.
void CreateStartingFont();
void CreateDefaultFont();                      // 12-point "Lucida Console"
void ChooseEditorFont(HWND owner);
void RefreshDocumentFont(HWND document);
void FormatFontCommand(HWND frame);            // Format > Font...
void FormatDefaultGuiFontCommand(HWND frame);  // Format > Default GUI Font
void FormatTimesNewRomanCommand(HWND frame);   // Format > Times New Roman (12pt)
void ReleaseEditorFonts();                     // the frame's WM_DESTROY
