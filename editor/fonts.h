// The one current editor font and the Format menu commands.
#pragma once
#include <windows.h>

void CreateDefaultFont();                      // 12-point "Lucida Console", during the frame's creation
void ChooseEditorFont(HWND owner);
void RefreshDocumentFont(HWND document);
void FormatFontCommand(HWND frame);            // Format > Font...
void FormatDefaultGuiFontCommand(HWND frame);  // Format > Default GUI Font
void FormatTimesNewRomanCommand(HWND frame);   // Format > Times New Roman (12pt)
void ReleaseEditorFonts();                     // the frame's WM_DESTROY
