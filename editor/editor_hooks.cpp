#include "editor_hooks.h"

#include <shellapi.h>

namespace {

FileDialogFunction TestOpenDialog = nullptr;
FileDialogFunction TestSaveDialog = nullptr;
FontDialogFunction TestFontDialog = nullptr;
PrintDialogFunction TestPrintDialog = nullptr;
ProgramStartFunction TestProgramStart = nullptr;
PopupMenuFunction TestPopupMenu = nullptr;

} // namespace

BOOL ShowOpenFileDialog(OPENFILENAMEW* dialog)
{
    if (TestOpenDialog != nullptr)
        return TestOpenDialog(dialog);
    return GetOpenFileNameW(dialog);
}

BOOL ShowSaveFileDialog(OPENFILENAMEW* dialog)
{
    if (TestSaveDialog != nullptr)
        return TestSaveDialog(dialog);
    return GetSaveFileNameW(dialog);
}

void SetFileDialogsForTesting(FileDialogFunction open, FileDialogFunction save)
{
    TestOpenDialog = open;
    TestSaveDialog = save;
}

BOOL ShowFontDialog(CHOOSEFONTW* record, DWORD* failure)
{
    if (TestFontDialog != nullptr)
        return TestFontDialog(record, failure);
    BOOL chosen = ChooseFontW(record);
    *failure = chosen ? 0 : CommDlgExtendedError();
    return chosen;
}

void SetFontDialogForTesting(FontDialogFunction function)
{
    TestFontDialog = function;
}

BOOL ShowPrintDialog(PRINTDLGW* record)
{
    if (TestPrintDialog != nullptr)
        return TestPrintDialog(record);
    return PrintDlgW(record);
}

void SetPrintDialogForTesting(PrintDialogFunction function)
{
    TestPrintDialog = function;
}

HINSTANCE StartProgram(HWND owner, const wchar_t* verb, const wchar_t* program, const wchar_t* parameters,
                       const wchar_t* folder, int showCommand)
{
    if (TestProgramStart != nullptr)
        return TestProgramStart(owner, verb, program, parameters, folder, showCommand);
    return ShellExecuteW(owner, verb, program, parameters, folder, showCommand);
}

void SetProgramStartForTesting(ProgramStartFunction function)
{
    TestProgramStart = function;
}

UINT ChooseFromPopupMenu(HMENU menu, int x, int y, HWND owner)
{
    if (TestPopupMenu != nullptr)
        return TestPopupMenu(menu, x, y, owner);
    return static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, x, y,
                                            0, owner, nullptr));
}

void SetPopupMenuForTesting(PopupMenuFunction function)
{
    TestPopupMenu = function;
}
