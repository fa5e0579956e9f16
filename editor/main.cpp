// The start routine of Penmar: the command line's arguments name the files to open.
#include <windows.h>

#include "editor_main.h"
#include "spellcheck_hooks.h"

// arguments: the command line after the program's name, as it was written.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int)
{
    InstallListingMessageBox();
    EditorMain(GetModuleHandleA(nullptr), nullptr, arguments, SW_SHOWNORMAL);
    return 0;
}
