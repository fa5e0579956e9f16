#include "menu_enabling.h"

#include "resource_ids.h"
#include "shell_state.h"

int PopupPositionOf(HMENU menuBar, UINT command)
{
    int count = GetMenuItemCount(menuBar);
    for (int position = 0; position < count; position++) {
        HMENU popup = GetSubMenu(menuBar, position);
        if (popup != nullptr && GetMenuState(popup, command, MF_BYCOMMAND) != static_cast<UINT>(-1))
            return position;
    }
    return -1;
}

static void SetPopup(HMENU menu, UINT commandInPopup, UINT state)
{
    int position = PopupPositionOf(menu, commandInPopup);
    if (position >= 0)
        EnableMenuItem(menu, static_cast<UINT>(position), MF_BYPOSITION | state);
}

static void SetDocumentMenus(UINT state)
{
    HMENU menu = GetMenu(hMainWindow);
    SetPopup(menu, IDM_EDIT_UNDO, state);
    SetPopup(menu, IDM_WINDOW_TILE, state);
    SetPopup(menu, IDM_TOOLS_SPELLING, state);
    EnableMenuItem(menu, IDM_FILE_SAVE, MF_BYCOMMAND | state);
    EnableMenuItem(menu, IDM_FILE_SAVEAS, MF_BYCOMMAND | state);
    EnableMenuItem(menu, IDM_FILE_CLOSE, MF_BYCOMMAND | state);
    EnableMenuItem(menu, IDM_FILE_PRINT, MF_BYCOMMAND | state);
    EnableMenuItem(menu, IDM_FILE_PRINTPREVIEW, MF_BYCOMMAND | state);
    EnableMenuItem(menu, IDM_TOOLS_SPELLING, MF_BYCOMMAND | state);
    DrawMenuBar(hMainWindow);
}

void EnableDocumentMenus()
{
    SetDocumentMenus(MF_ENABLED);
}

void GrayDocumentMenus()
{
    SetDocumentMenus(MF_GRAYED);
}

void GrayClosingDocumentMenus()
{
    HMENU menu = GetMenu(hMainWindow);
    EnableMenuItem(menu, IDM_FILE_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(menu, IDM_FILE_PRINT, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(menu, IDM_FILE_PRINTPREVIEW, MF_BYCOMMAND | MF_GRAYED);
    SetPopup(menu, IDM_TOOLS_SPELLING, MF_GRAYED);
    EnableMenuItem(menu, IDM_TOOLS_SPELLING, MF_BYCOMMAND | MF_GRAYED);
    DrawMenuBar(hMainWindow);
}
