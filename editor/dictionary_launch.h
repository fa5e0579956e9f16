// Tools > Dictionary: starts the lookup tool with the selected text in double quotes.
#pragma once
#include <windows.h>

void LaunchDictionary(HWND window, int editId);

// Starting a program goes through one replaceable function so that a test can read its parameters.
typedef HINSTANCE (*ProgramStartFunction)(HWND owner, const char* verb, const char* program,
                                          const char* parameters, const char* folder, int showCommand);
// A null function restores ShellExecuteA.
void SetProgramStartForTesting(ProgramStartFunction function);
