// Start-up of the editor and its message loop, in pieces that test programs can run one by one.
#pragma once
#include <windows.h>

// Room for the 80 characters that count of the command-line argument, plus the terminator.
const int CommandLineNameSize = 81;

// The first 80 characters of the argument with trailing blanks removed; empty for a missing argument.
void CommandLineName(const char* argument, char name[CommandLineNameSize]);

// Registers "myWindowClass" and "myMDIChildWindowClass"; 0 (after its message box) on failure.
int RegisterWindowClasses(HINSTANCE instance);

// Creates and shows the frame and stores it in hMainWindow; null (after its message box) on failure.
HWND CreateFrameWindow(HINSTANCE instance, int showCommand);

// Opens the command-line file through File > Open, without the dialog; nothing for an empty name.
void OpenCommandLineFile(HWND frame, const char* name);

// Runs until the quit message and returns its wParam.
int RunMessageLoop(HWND frame, HACCEL accelerators);

int EditorMain(HINSTANCE instance, HINSTANCE previousInstance, const char* name, int showCommand);
