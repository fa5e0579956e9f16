#include "file_dialogs.h"

namespace {

FileDialogFunction TestOpenDialog = nullptr;
FileDialogFunction TestSaveDialog = nullptr;

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
