#include "page_setup.h"

#include "settings_store.h"
#include "texts.h"

namespace {

// Remembered under the editor's key: the margins as four numbers and the unit (1: hundredths of a
// millimetre, 0: thousandths of an inch), the switches, and the printer's paper and orientation.
const wchar_t MarginsSetting[] = L"PageMargins";
const wchar_t HeaderSetting[] = L"PageHeader";
const wchar_t FooterSetting[] = L"PageFooter";
const wchar_t PaperSetting[] = L"PaperSize";
const wchar_t OrientationSetting[] = L"PaperOrientation";

struct StoredMargins {
    DWORD left, top, right, bottom, metric;
};
// A wider margin is no page's but a damaged value's.
const DWORD LargestMarginInches = 20;

const wchar_t SwitchesProperty[] = L"PenmarPageMarks";
// The switches' rows, in dialog units, as the system's dialogs space their check boxes.
const int SwitchRowHeight = 10;
const int SwitchRowGap = 2;

PageSetupDialogFunction TestPageSetupDialog = nullptr;

// The printer settings of this run (movable memory, as the common dialogs want them).
HGLOBAL keptDevMode = nullptr;
HGLOBAL keptDevNames = nullptr;

BOOL ShowPageSetupDialog(PAGESETUPDLGW* record)
{
    if (TestPageSetupDialog != nullptr)
        return TestPageSetupDialog(record);
    return PageSetupDlgW(record);
}

bool LocaleMeasuresInMillimetres()
{
    wchar_t system[4] = L"";
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IMEASURE, system, 4);
    return system[0] == L'0';
}

bool PlausibleMargins(const StoredMargins& stored)
{
    DWORD largest = LargestMarginInches * (stored.metric ? 2540 : 1000);
    return stored.metric <= 1 && stored.left <= largest && stored.top <= largest && stored.right <= largest &&
           stored.bottom <= largest;
}

bool RememberedSwitch(const wchar_t* name)
{
    DWORD value = 1;
    ReadSettingNumber(name, value);
    return value != 0;
}

void FreeSettings(HGLOBAL& devMode, HGLOBAL& devNames)
{
    if (devMode != nullptr)
        GlobalFree(devMode);
    if (devNames != nullptr)
        GlobalFree(devNames);
    devMode = devNames = nullptr;
}

// The remembered paper and orientation, put into the printer's settings.
void ApplyRememberedPaper(HGLOBAL devMode)
{
    auto* mode = static_cast<DEVMODEW*>(GlobalLock(devMode));
    if (mode == nullptr)
        return;
    DWORD paper = 0;
    if (ReadSettingNumber(PaperSetting, paper) && paper > 0 && paper <= 0x7FFF) {
        mode->dmPaperSize = static_cast<short>(paper);
        mode->dmFields |= DM_PAPERSIZE;
        mode->dmFields &= ~static_cast<DWORD>(DM_PAPERLENGTH | DM_PAPERWIDTH);
    }
    DWORD orientation = 0;
    if (ReadSettingNumber(OrientationSetting, orientation) &&
        (orientation == DMORIENT_PORTRAIT || orientation == DMORIENT_LANDSCAPE)) {
        mode->dmOrientation = static_cast<short>(orientation);
        mode->dmFields |= DM_ORIENTATION;
    }
    GlobalUnlock(devMode);
}

void RememberPaper(HGLOBAL devMode)
{
    auto* mode = static_cast<DEVMODEW*>(GlobalLock(devMode));
    if (mode == nullptr)
        return;
    if ((mode->dmFields & DM_PAPERSIZE) != 0)
        WriteSettingNumber(PaperSetting, static_cast<DWORD>(mode->dmPaperSize));
    if ((mode->dmFields & DM_ORIENTATION) != 0)
        WriteSettingNumber(OrientationSetting, static_cast<DWORD>(mode->dmOrientation));
    GlobalUnlock(devMode);
}

// The settings of this run, or the default printer's with the remembered paper; false without a printer.
bool HavePrinterSettings()
{
    if (keptDevMode != nullptr && keptDevNames != nullptr)
        return true;
    FreeSettings(keptDevMode, keptDevNames);
    PRINTDLGW defaults;
    ZeroMemory(&defaults, sizeof(defaults));
    defaults.lStructSize = sizeof(defaults);
    defaults.Flags = PD_RETURNDEFAULT;
    if (!PrintDlgW(&defaults) || defaults.hDevMode == nullptr || defaults.hDevNames == nullptr) {
        FreeSettings(defaults.hDevMode, defaults.hDevNames);
        return false;
    }
    keptDevMode = defaults.hDevMode;
    keptDevNames = defaults.hDevNames;
    ApplyRememberedPaper(keptDevMode);
    return true;
}

void RememberChoices(const PageChoices& choices)
{
    StoredMargins stored = {static_cast<DWORD>(choices.margins.left), static_cast<DWORD>(choices.margins.top),
                            static_cast<DWORD>(choices.margins.right), static_cast<DWORD>(choices.margins.bottom),
                            choices.margins.metric ? 1u : 0u};
    WriteSettingBytes(MarginsSetting, &stored, sizeof(stored));
    WriteSettingNumber(HeaderSetting, choices.header ? 1 : 0);
    WriteSettingNumber(FooterSetting, choices.footer ? 1 : 0);
}

// Moves every control of the dialog from `top` down by `height`.
void MoveControlsDown(HWND dialog, int top, int height)
{
    for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
        RECT place;
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
        if (place.top >= top)
            SetWindowPos(control, nullptr, place.left, place.top + height, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
}

int LeftmostControl(HWND dialog)
{
    int left = 0x7FFFFFFF;
    for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
        RECT place;
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
        if (place.left < left)
            left = place.left;
    }
    return left == 0x7FFFFFFF ? 0 : left;
}

void AddSwitch(HWND dialog, int id, const wchar_t* text, bool checked, const RECT& place)
{
    HWND box = CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, place.left,
                               place.top, place.right - place.left, place.bottom - place.top, dialog,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(box, WM_SETFONT, static_cast<WPARAM>(SendMessageW(dialog, WM_GETFONT, 0, 0)), 0);
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

// The header and footer switches, in two rows where the dialog's buttons were; the buttons and the
// dialog's lower edge move down to make room.
void AddMarkSwitches(HWND dialog, const PageMarkSwitches& switches)
{
    RECT buttons;
    GetWindowRect(GetDlgItem(dialog, IDOK), &buttons);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&buttons), 2);
    RECT row = {0, 0, 0, SwitchRowHeight + SwitchRowGap};
    MapDialogRect(dialog, &row);
    int rowHeight = row.bottom;
    MoveControlsDown(dialog, buttons.top, 2 * rowHeight);

    RECT client;
    GetClientRect(dialog, &client);
    int left = LeftmostControl(dialog);
    RECT place = {left, buttons.top, client.right - left, buttons.top + rowHeight - rowHeight / 6};
    AddSwitch(dialog, PageSetupHeaderId, WIDE(TEXT_PAGE_SETUP_HEADER), switches.header, place);
    OffsetRect(&place, 0, rowHeight);
    AddSwitch(dialog, PageSetupFooterId, WIDE(TEXT_PAGE_SETUP_FOOTER), switches.footer, place);

    RECT frame;
    GetWindowRect(dialog, &frame);
    SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + 2 * rowHeight,
                 SWP_NOMOVE | SWP_NOZORDER);
}

UINT_PTR CALLBACK PageSetupHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        auto* record = reinterpret_cast<PAGESETUPDLGW*>(lParam);
        auto* switches = reinterpret_cast<PageMarkSwitches*>(record->lCustData);
        SetPropW(dialog, SwitchesProperty, switches);
        AddMarkSwitches(dialog, *switches);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            auto* switches = static_cast<PageMarkSwitches*>(GetPropW(dialog, SwitchesProperty));
            if (switches != nullptr) {
                switches->header = IsDlgButtonChecked(dialog, PageSetupHeaderId) == BST_CHECKED;
                switches->footer = IsDlgButtonChecked(dialog, PageSetupFooterId) == BST_CHECKED;
            }
        }
        break;
    case WM_DESTROY:
        RemovePropW(dialog, SwitchesProperty);
        break;
    }
    return 0;
}

} // namespace

PageChoices CurrentPageChoices()
{
    PageChoices choices;
    choices.margins = DefaultMargins(LocaleMeasuresInMillimetres());
    StoredMargins stored;
    if (ReadSettingBytes(MarginsSetting, &stored, sizeof(stored)) && PlausibleMargins(stored))
        choices.margins = PageMargins{static_cast<int>(stored.left), static_cast<int>(stored.top),
                                      static_cast<int>(stored.right), static_cast<int>(stored.bottom),
                                      stored.metric != 0};
    choices.header = RememberedSwitch(HeaderSetting);
    choices.footer = RememberedSwitch(FooterSetting);
    return choices;
}

void PageSetupCommand(HWND frame)
{
    PageChoices choices = CurrentPageChoices();
    bool metric = LocaleMeasuresInMillimetres();
    PageMargins shown = MarginsIn(choices.margins, metric);
    PageMarkSwitches switches = {choices.header, choices.footer};

    PAGESETUPDLGW record;
    ZeroMemory(&record, sizeof(record));
    record.lStructSize = sizeof(record);
    record.hwndOwner = frame;
    OfferPrinterSettings(record.hDevMode, record.hDevNames);
    record.Flags = PSD_MARGINS | PSD_ENABLEPAGESETUPHOOK |
                   (metric ? PSD_INHUNDREDTHSOFMILLIMETERS : PSD_INTHOUSANDTHSOFINCHES);
    record.rtMargin = RECT{shown.left, shown.top, shown.right, shown.bottom};
    record.lCustData = reinterpret_cast<LPARAM>(&switches);
    record.lpfnPageSetupHook = PageSetupHook;
    BOOL chosen = ShowPageSetupDialog(&record);
    KeepPrinterSettings(record.hDevMode, record.hDevNames);
    if (!chosen)
        return;
    choices.margins = PageMargins{record.rtMargin.left, record.rtMargin.top, record.rtMargin.right,
                                  record.rtMargin.bottom, (record.Flags & PSD_INHUNDREDTHSOFMILLIMETERS) != 0};
    choices.header = switches.header;
    choices.footer = switches.footer;
    RememberChoices(choices);
    if (keptDevMode != nullptr)
        RememberPaper(keptDevMode);
}

void OfferPrinterSettings(HGLOBAL& devMode, HGLOBAL& devNames)
{
    devMode = devNames = nullptr;
    if (!HavePrinterSettings())
        return;
    devMode = keptDevMode;
    devNames = keptDevNames;
    keptDevMode = keptDevNames = nullptr;
}

void KeepPrinterSettings(HGLOBAL devMode, HGLOBAL devNames)
{
    if (devMode == keptDevMode && devNames == keptDevNames)
        return;
    FreeSettings(keptDevMode, keptDevNames);
    keptDevMode = devMode;
    keptDevNames = devNames;
}

HDC CreateLayoutPrinter()
{
    if (!HavePrinterSettings())
        return nullptr;
    auto* names = static_cast<DEVNAMES*>(GlobalLock(keptDevNames));
    auto* mode = static_cast<DEVMODEW*>(GlobalLock(keptDevMode));
    HDC printer = nullptr;
    if (names != nullptr) {
        const wchar_t* base = reinterpret_cast<const wchar_t*>(names);
        printer = CreateDCW(base + names->wDriverOffset, base + names->wDeviceOffset, nullptr, mode);
    }
    GlobalUnlock(keptDevMode);
    GlobalUnlock(keptDevNames);
    return printer;
}

void ForgetPrinterSettings()
{
    FreeSettings(keptDevMode, keptDevNames);
}

void SetPageSetupDialogForTesting(PageSetupDialogFunction function)
{
    TestPageSetupDialog = function;
}
