#include "recent_files.h"

#include <strsafe.h>
#include <cwchar>

#include "menu_enabling.h"
#include "resource_ids.h"
#include "settings_store.h"
#include "shell_state.h"
#include "texts.h"

namespace {

// Names of the list's values: "Recent1" (the newest) to "Recent4".
const wchar_t RecentSettingFormat[] = L"Recent%d";
// Longer names are shortened in the menu, whose width would otherwise follow them.
const int LongestShownName = 60;

wchar_t recentFiles[RecentFileCount][MAX_PATH];
int recentCount = 0;

void SettingName(int index, wchar_t name[16])
{
    StringCchPrintfW(name, 16, RecentSettingFormat, index + 1);
}

void SaveRecentFiles()
{
    wchar_t setting[16];
    for (int i = 0; i < RecentFileCount; i++) {
        SettingName(i, setting);
        if (i < recentCount)
            WriteSettingText(setting, recentFiles[i]);
        else
            DeleteSetting(setting);
    }
}

int IndexOf(const wchar_t* name)
{
    for (int i = 0; i < recentCount; i++)
        if (lstrcmpiW(recentFiles[i], name) == 0)
            return i;
    return -1;
}

void RemoveAt(int index)
{
    for (int i = index; i + 1 < recentCount; i++)
        StringCchCopyW(recentFiles[i], MAX_PATH, recentFiles[i + 1]);
    recentCount--;
}

// The name as the menu shows it: a long one as its start, a gap and as much of its end as fits (from a
// folder boundary where there is one), and each '&' doubled so that it is no mnemonic.
void ShownName(const wchar_t* name, wchar_t* shown, int size)
{
    wchar_t shortened[MAX_PATH];
    int length = lstrlenW(name);
    const int headLength = 3;   // the drive, "C:\"
    int tailLength = LongestShownName - headLength - lstrlenW(WIDE(TEXT_MENU_NAME_GAP));
    if (length <= LongestShownName) {
        lstrcpynW(shortened, name, MAX_PATH);
    } else {
        const wchar_t* tail = name + length - tailLength;
        const wchar_t* folderBoundary = std::wcschr(tail, L'\\');
        if (folderBoundary != nullptr)
            tail = folderBoundary;
        StringCchPrintfW(shortened, MAX_PATH, L"%.*ls%ls%ls", headLength, name, WIDE(TEXT_MENU_NAME_GAP), tail);
    }
    int out = 0;
    for (int i = 0; shortened[i] != L'\0' && out + 2 < size; i++) {
        if (shortened[i] == L'&')
            shown[out++] = L'&';
        shown[out++] = shortened[i];
    }
    shown[out] = L'\0';
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
    MENUITEMINFOW separator = {};
    separator.cbSize = sizeof(separator);
    separator.fMask = MIIM_FTYPE | MIIM_ID;
    separator.fType = MFT_SEPARATOR;
    separator.wID = IDM_FILE_RECENT_SEPARATOR;
    InsertMenuItemW(fileMenu, exitPosition, TRUE, &separator);
    for (int i = recentCount - 1; i >= 0; i--) {
        const int shownSize = 2 * MAX_PATH;
        wchar_t shown[shownSize];
        ShownName(recentFiles[i], shown, shownSize);
        wchar_t text[shownSize + 8];
        StringCchPrintfW(text, shownSize + 8, WIDE(TEXT_MENU_RECENT_FILE), i + 1, shown);
        InsertMenuW(fileMenu, exitPosition, MF_BYPOSITION | MF_STRING, IDM_FILE_RECENT_FIRST + i, text);
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
    wchar_t setting[16];
    wchar_t name[MAX_PATH];
    for (int i = 0; i < RecentFileCount; i++) {
        SettingName(i, setting);
        // A damaged or repeated entry is left out.
        if (ReadSettingText(setting, name, MAX_PATH) && name[0] != L'\0' && IndexOf(name) < 0)
            StringCchCopyW(recentFiles[recentCount++], MAX_PATH, name);
    }
    ShowInMenu(frame);
}

void AddRecentFile(const wchar_t* name)
{
    int index = IndexOf(name);
    if (index >= 0)
        RemoveAt(index);
    else if (recentCount == RecentFileCount)
        recentCount--;   // the oldest goes
    for (int i = recentCount; i > 0; i--)
        StringCchCopyW(recentFiles[i], MAX_PATH, recentFiles[i - 1]);
    lstrcpynW(recentFiles[0], name, MAX_PATH);
    recentCount++;
    ListChanged();
}

bool RecentFileName(int index, wchar_t name[MAX_PATH])
{
    if (index < 0 || index >= recentCount)
        return false;
    StringCchCopyW(name, MAX_PATH, recentFiles[index]);
    return true;
}

void ForgetRecentFileIfGone(const wchar_t* name)
{
    // Gone: deleted, renamed, its folder or drive away.
    if (GetFileAttributesW(name) == INVALID_FILE_ATTRIBUTES) {
        int stillListed = IndexOf(name);
        if (stillListed >= 0) {
            RemoveAt(stillListed);
            ListChanged();
        }
    }
}
