#include "dialog_seam.h"

namespace {

FontDialogFunction TestFontDialog = nullptr;
PrintDialogFunction TestPrintDialog = nullptr;

} // namespace

BOOL ShowFontDialog(CHOOSEFONTA* record, DWORD* failure)
{
    if (TestFontDialog != nullptr)
        return TestFontDialog(record, failure);
    BOOL chosen = ChooseFontA(record);
    *failure = chosen ? 0 : CommDlgExtendedError();
    return chosen;
}

BOOL ShowPrintDialog(PRINTDLGA* record)
{
    if (TestPrintDialog != nullptr)
        return TestPrintDialog(record);
    return PrintDlgA(record);
}

void SetFontDialogForTesting(FontDialogFunction function)
{
    TestFontDialog = function;
}

void SetPrintDialogForTesting(PrintDialogFunction function)
{
    TestPrintDialog = function;
}
