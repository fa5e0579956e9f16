// The frame's menu follows the document windows: document commands are enabled while one is active.
#pragma once
#include <windows.h>

// Position in the menu bar of the popup that holds the command, or -1. A maximized document window puts
// its system menu in front of the popups, so fixed positions would address the wrong popup.
int PopupPositionOf(HMENU menuBar, UINT command);

void EnableDocumentMenus();
void GrayDocumentMenus();
// Before a document window closes: Close, Print and the Tools popup are grayed.
void GrayClosingDocumentMenus();
