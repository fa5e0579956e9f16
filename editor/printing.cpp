#include "printing.h"

// Placeholder until printing lands: nothing is printed.
int PrintDocument(HINSTANCE, HWND, HWND, const char*)
{
    return 1;
}
