#include "spelling_switch.h"

#include "resource_ids.h"
#include "settings_store.h"
#include "spelling_marks.h"

namespace {

const wchar_t SwitchSetting[] = L"SpellingAsYouType";

bool switchOn = true;

void ShowSwitch(HWND frame)
{
    CheckMenuItem(GetMenu(frame), IDM_TOOLS_SPELLING_AS_YOU_TYPE,
                  MF_BYCOMMAND | (switchOn ? MF_CHECKED : MF_UNCHECKED));
}

} // namespace

bool SpellingAsYouTypeOn()
{
    return switchOn;
}

void LoadSpellingAsYouType(HWND frame)
{
    DWORD remembered = 1;
    switchOn = !ReadSettingNumber(SwitchSetting, remembered) || remembered != 0;
    ShowSwitch(frame);
}

void ToggleSpellingAsYouType(HWND frame)
{
    switchOn = !switchOn;
    WriteSettingNumber(SwitchSetting, switchOn ? 1 : 0);
    ShowSwitch(frame);
    RecheckMarksOfAllDocuments();
}
