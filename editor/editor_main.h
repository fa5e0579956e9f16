// Start-up of the editor and its message loop, in pieces that test programs can run one by one.
#pragma once
#include <windows.h>

// Room for the longest file name (MAX_PATH - 1 characters) and the terminator.
const int CommandLineNameSize = MAX_PATH;

// The argument with trailing blanks removed; empty for a missing argument. False, with an empty name,
// when the name is longer than a file name can be.
bool CommandLineName(const wchar_t* argument, wchar_t name[CommandLineNameSize]);

// The next file name of a command line's arguments (the text after the program's name), from `cursor`
// on, which moves past it: a name in double quotes may hold blanks, a word outside quotes is a name of
// its own (quoted and unquoted parts written together make one name). False at the end of the text.
// The name is taken as CommandLineName takes it; tooLong when it could not be.
bool NextCommandLineName(const wchar_t*& cursor, wchar_t name[CommandLineNameSize], bool& tooLong);

// Registers "myWindowClass" and "myMDIChildWindowClass"; false (after its message box) on failure.
bool RegisterWindowClasses(HINSTANCE instance);

// Creates and shows the frame and stores it in hMainWindow; null (after its message box) on failure.
HWND CreateFrameWindow(HINSTANCE instance, int showCommand);

// Opens the files that the command line's arguments (null for none) name, each in its own document
// through File > Open without the dialog. Arguments without quotes that name an existing file when taken
// together, blanks and all, are that one file. A name too long for a file: its message, and nothing opens.
void OpenCommandLineFiles(HWND frame, const wchar_t* arguments);

// The arguments of a whole command line (GetCommandLineW): the text after the program's name.
const wchar_t* ArgumentsOf(const wchar_t* commandLine);

// Runs until the quit message and returns its wParam.
int RunMessageLoop(HWND frame, HACCEL accelerators);

// arguments: the command line after the program's name.
int EditorMain(HINSTANCE instance, HINSTANCE previousInstance, const wchar_t* arguments, int showCommand);
