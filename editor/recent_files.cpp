#include "recent_files.h"

#include <cstdio>
#include <cstring>

#include "menu_enabling.h"
#include "resource_ids.h"
#include "settings_store.h"
#include "shell_state.h"
#include "texts.h"

namespace {

// Names of the list's values: "Recent1" (the newest) to "Recent4".
const char RecentSettingFormat[] = "Recent%d";
// Longer names are shortened in the menu, whose width would otherwise follow them.
const int LongestShownName = 60;

char recentFiles[RecentFileCount][MAX_PATH];
int recentCount = 0;

void SettingName(int index, char name[16])
{
    std::snprintf(name, 16, RecentSettingFormat, index + 1);
}

void SaveRecentFiles()
{
    char setting[16];
    for (int i = 0; i < RecentFileCount; i++) {
        SettingName(i, setting);
        if (i < recentCount)
            WriteSettingText(setting, recentFiles[i]);
        else
            DeleteSetting(setting);
    }
}

int IndexOf(const char* name)
{
    for (int i = 0; i < recentCount; i++)
        if (lstrcmpiA(recentFiles[i], name) == 0)
            return i;
    return -1;
}

void RemoveAt(int index)
{
    for (int i = index; i + 1 < recentCount; i++)
        lstrcpyA(recentFiles[i], recentFiles[i + 1]);
    recentCount--;
}

// The name as the menu shows it: a long one as its start, a gap and as much of its end as fits (from a
// folder boundary where there is one), and each '&' doubled so that it is no mnemonic.
void ShownName(const char* name, char* shown, int size)
{
    char shortened[MAX_PATH];
    int length = lstrlenA(name);
    const int headLength = 3;   // the drive, "C:\"
    int tailLength = LongestShownName - headLength - lstrlenA(TEXT_MENU_NAME_GAP);
    if (length <= LongestShownName) {
        lstrcpynA(shortened, name, sizeof(shortened));
    } else {
        const char* tail = name + length - tailLength;
        const char* folderBoundary = std::strchr(tail, '\\');
        if (folderBoundary != nullptr)
            tail = folderBoundary;
        std::snprintf(shortened, sizeof(shortened), "%.*s%s%s", headLength, name, TEXT_MENU_NAME_GAP, tail);
    }
    int out = 0;
    for (int i = 0; shortened[i] != '\0' && out + 2 < size; i++) {
        if (shortened[i] == '&')
            shown[out++] = '&';
        shown[out++] = shortened[i];
    }
    shown[out] = '\0';
}

int PositionOfExit(HMENU fileMenu)
{
    int count = GetMenuItemCount(fileMenu);
    for (int position = 0; position < count; position++)
        if (GetMenuItemID(fileMenu, position) == IDM_FILE_EXIT)
            return position;
    return count;
}

// The list stands between the separator after Print and one of its own above Exit.
void ShowInMenu(HWND frame)
{
    HMENU menuBar = GetMenu(frame);
    int position = PopupPositionOf(menuBar, IDM_FILE_EXIT);
    if (position < 0)
        return;
    HMENU fileMenu = GetSubMenu(menuBar, position);
    for (int i = 0; i < RecentFileCount; i++)
        DeleteMenu(fileMenu, IDM_FILE_RECENT_FIRST + i, MF_BYCOMMAND);
    DeleteMenu(fileMenu, IDM_FILE_RECENT_SEPARATOR, MF_BYCOMMAND);
    if (recentCount == 0)
        return;
    int exitPosition = PositionOfExit(fileMenu);
    MENUITEMINFOA separator = {};
    separator.cbSize = sizeof(separator);
    separator.fMask = MIIM_FTYPE | MIIM_ID;
    separator.fType = MFT_SEPARATOR;
    separator.wID = IDM_FILE_RECENT_SEPARATOR;
    InsertMenuItemA(fileMenu, exitPosition, TRUE, &separator);
    for (int i = recentCount - 1; i >= 0; i--) {
        char shown[2 * MAX_PATH];
        ShownName(recentFiles[i], shown, sizeof(shown));
        char text[sizeof(shown) + 8];
        std::snprintf(text, sizeof(text), TEXT_MENU_RECENT_FILE, i + 1, shown);
        InsertMenuA(fileMenu, exitPosition, MF_BYPOSITION | MF_STRING, IDM_FILE_RECENT_FIRST + i, text);
    }
}

void ListChanged()
{
    SaveRecentFiles();
    ShowInMenu(hMainWindow);
}

} // namespace

void LoadRecentFiles(HWND frame)
{
    recentCount = 0;
    char setting[16];
    char name[MAX_PATH];
    for (int i = 0; i < RecentFileCount; i++) {
        SettingName(i, setting);
        // A damaged or repeated entry is left out.
        if (ReadSettingText(setting, name, sizeof(name)) && name[0] != '\0' && IndexOf(name) < 0)
            lstrcpyA(recentFiles[recentCount++], name);
    }
    ShowInMenu(frame);
}

void AddRecentFile(const char* name)
{
    int index = IndexOf(name);
    if (index >= 0)
        RemoveAt(index);
    else if (recentCount == RecentFileCount)
        recentCount--;   // the oldest goes
    for (int i = recentCount; i > 0; i--)
        lstrcpyA(recentFiles[i], recentFiles[i - 1]);
    lstrcpynA(recentFiles[0], name, MAX_PATH);
    recentCount++;
    ListChanged();
}

bool RecentFileName(int index, char name[MAX_PATH])
{
    if (index < 0 || index >= recentCount)
        return false;
    lstrcpyA(name, recentFiles[index]);
    return true;
}

void ForgetRecentFileIfGone(const char* name)
{
    // Gone: deleted, renamed, its folder or drive away.
    if (GetFileAttributesA(name) == INVALID_FILE_ATTRIBUTES) {
        int stillListed = IndexOf(name);
        if (stillListed >= 0) {
            RemoveAt(stillListed);
            ListChanged();
        }
    }
}
