// What the editor remembers between runs, kept per user as values of the registry key
// HKEY_CURRENT_USER\Software\Penmar. A value that is missing, or not of the type and size its reader
// expects (damaged), reads as absent and the caller keeps its default; a value that cannot be written
// is left as it was.
#pragma once
#include <windows.h>

// Under HKEY_CURRENT_USER.
const char SettingsKey[] = "Software\\Penmar";

bool ReadSettingNumber(const char* name, DWORD& value);
// Exactly `size` bytes.
bool ReadSettingBytes(const char* name, void* bytes, DWORD size);
// A string that fits `size` bytes with its terminator.
bool ReadSettingText(const char* name, char* text, DWORD size);

void WriteSettingNumber(const char* name, DWORD value);
void WriteSettingBytes(const char* name, const void* bytes, DWORD size);
void WriteSettingText(const char* name, const char* text);
void DeleteSetting(const char* name);
