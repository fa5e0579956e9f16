// The frame's menu follows the document windows: document commands are enabled while one is active.
#pragma once

void EnableDocumentMenus();
void GrayDocumentMenus();
// Before a document window closes: Close, Print and the Tools popup are grayed.
void GrayClosingDocumentMenus();
