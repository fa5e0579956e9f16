// The start routine of Penmar: the first command-line argument names the file to open.
#include <windows.h>
#include <cstdlib>

#include "editor_main.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char name[CommandLineNameSize];
    CommandLineName(__argc > 1 ? __argv[1] : nullptr, name);
    EditorMain(GetModuleHandleA(nullptr), nullptr, name, SW_SHOWNORMAL);
    return 0;
}
