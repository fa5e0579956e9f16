#include "editor_hooks.h"

#include <shellapi.h>

namespace {

FileDialogFunction TestOpenDialog = nullptr;
FileDialogFunction TestSaveDialog = nullptr;
FontDialogFunction TestFontDialog = nullptr;
PrintDialogFunction TestPrintDialog = nullptr;
ProgramStartFunction TestProgramStart = nullptr;

} // namespace

BOOL ShowOpenFileDialog(OPENFILENAMEA* dialog)
{
    if (TestOpenDialog != nullptr)
        return TestOpenDialog(dialog);
    return GetOpenFileNameA(dialog);
}

BOOL ShowSaveFileDialog(OPENFILENAMEA* dialog)
{
    if (TestSaveDialog != nullptr)
        return TestSaveDialog(dialog);
    return GetSaveFileNameA(dialog);
}

void SetFileDialogsForTesting(FileDialogFunction open, FileDialogFunction save)
{
    TestOpenDialog = open;
    TestSaveDialog = save;
}

BOOL ShowFontDialog(CHOOSEFONTA* record, DWORD* failure)
{
    if (TestFontDialog != nullptr)
        return TestFontDialog(record, failure);
    BOOL chosen = ChooseFontA(record);
    *failure = chosen ? 0 : CommDlgExtendedError();
    return chosen;
}

void SetFontDialogForTesting(FontDialogFunction function)
{
    TestFontDialog = function;
}

BOOL ShowPrintDialog(PRINTDLGA* record)
{
    if (TestPrintDialog != nullptr)
        return TestPrintDialog(record);
    return PrintDlgA(record);
}

void SetPrintDialogForTesting(PrintDialogFunction function)
{
    TestPrintDialog = function;
}

HINSTANCE StartProgram(HWND owner, const char* verb, const char* program, const char* parameters,
                       const char* folder, int showCommand)
{
    if (TestProgramStart != nullptr)
        return TestProgramStart(owner, verb, program, parameters, folder, showCommand);
    return ShellExecuteA(owner, verb, program, parameters, folder, showCommand);
}

void SetProgramStartForTesting(ProgramStartFunction function)
{
    TestProgramStart = function;
}
