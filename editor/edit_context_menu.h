// The document's own context menu, for a right click, Shift+F10 or the menu key in a document. On a
// word that the spell check does not know: up to five suggestions (the first best), Ignore All and Add
// to Dictionary, then the Edit menu's Undo, Cut, Copy, Paste, Delete and Select All; elsewhere those alone.
#pragma once
#include <windows.h>

// WM_CONTEXTMENU of the document's edit control: point is the screen point clicked, or -1 (both
// coordinates) from the keyboard, which takes the word the caret is in.
void ShowEditContextMenu(HWND edit, LPARAM point);

// Shift+F10, or the menu key let go: the keys that open the menu at the caret. Not every system makes
// them a WM_CONTEXTMENU of the edit control (Wine does not), so the control's procedure takes them itself.
bool IsContextMenuKey(UINT message, WPARAM key);
