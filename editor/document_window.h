// The document window: an MDI child holding one edit control (id 101) with the document's text.
#pragma once
#include <windows.h>

LRESULT CALLBACK DocumentWindowProc(HWND document, UINT message, WPARAM wParam, LPARAM lParam);
