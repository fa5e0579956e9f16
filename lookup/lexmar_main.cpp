// lexmar: a one-dialog word-lookup tool. Its one argument, when given, is checked as the dialog opens.
#include <windows.h>

#include "message_boxes.h"
#include "lookup_dialog.h"
#include "lookup_state.h"
#include "start_word.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    InstallListingMessageBox();
    HINSTANCE instance = GetModuleHandleW(nullptr);
    wchar_t startWord[StartWordWidth + 1];
    StartWordFromCommandLine(GetCommandLineW(), startWord);
    RunLookupTool(instance, startWord);
    return 0;
}
