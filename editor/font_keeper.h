// Fonts that were the editor font once and may still be shown by open documents. They are
// released only when no document window shows them any more, or at exit.
#pragma once
#include <windows.h>

// Makes `font` the editor font; the font it replaces is kept until no document shows it.
void ReplaceEditorFont(HFONT font);
// Releases every kept font that no document window (nor the editor font) uses.
void ReleaseUnusedFonts();
// Releases every font the editor made, the editor font included: at exit.
void ReleaseAllFonts();
