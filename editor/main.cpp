// The start routine of Penmar: the first command-line argument names the file to open.
#include <windows.h>
#include <cstdlib>

#include "editor_main.h"
#include "spellcheck_hooks.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    InstallListingMessageBox();
    EditorMain(GetModuleHandleA(nullptr), nullptr, __argc > 1 ? __argv[1] : nullptr, SW_SHOWNORMAL);
    return 0;
}
