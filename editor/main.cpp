// The start routine of Penmar: the command line's arguments name the files to open.
#include <windows.h>

#include "editor_main.h"
#include "message_boxes.h"

// The command line is taken whole from the system, so that names in any script arrive as written.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    InstallListingMessageBox();
    EditorMain(GetModuleHandleW(nullptr), nullptr, ArgumentsOf(GetCommandLineW()), SW_SHOWNORMAL);
    return 0;
}
