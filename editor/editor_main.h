// Start-up of the editor and its message loop, in pieces that test programs can run one by one.
#pragma once
#include <windows.h>

// Room for the longest file name (MAX_PATH - 1 characters) and the terminator.
const int CommandLineNameSize = MAX_PATH;

// The argument with trailing blanks removed; empty for a missing argument. False, with an empty name,
// when the name is longer than a file name can be.
bool CommandLineName(const char* argument, char name[CommandLineNameSize]);

// Registers "myWindowClass" and "myMDIChildWindowClass"; false (after its message box) on failure.
bool RegisterWindowClasses(HINSTANCE instance);

// Creates and shows the frame and stores it in hMainWindow; null (after its message box) on failure.
HWND CreateFrameWindow(HINSTANCE instance, int showCommand);

// Opens the file named by the command-line argument (null for none) through File > Open, without the
// dialog; nothing for an empty name, a message and nothing else for a name too long.
void OpenCommandLineFile(HWND frame, const char* argument);

// Runs until the quit message and returns its wParam.
int RunMessageLoop(HWND frame, HACCEL accelerators);

int EditorMain(HINSTANCE instance, HINSTANCE previousInstance, const char* argument, int showCommand);
