// What the editor remembers between runs, kept per user as values of the registry key
// HKEY_CURRENT_USER\Software\Penmar. A value that is missing, or not of the type and size its reader
// expects (damaged), reads as absent and the caller keeps its default; a value that cannot be written
// is left as it was.
#pragma once
#include <windows.h>

// Under HKEY_CURRENT_USER.
const wchar_t SettingsKey[] = L"Software\\Penmar";

bool ReadSettingNumber(const wchar_t* name, DWORD& value);
// Exactly `size` bytes.
bool ReadSettingBytes(const wchar_t* name, void* bytes, DWORD size);
// A string that fits `capacity` characters with its terminator.
bool ReadSettingText(const wchar_t* name, wchar_t* text, DWORD capacity);
// The `bytes` of a stored string just read into `text` (room for `capacity` characters), made a
// terminated string: false, with nothing written, when it lacks its terminator and has no room for one.
bool EndStoredText(wchar_t* text, DWORD bytes, DWORD capacity);

void WriteSettingNumber(const wchar_t* name, DWORD value);
void WriteSettingBytes(const wchar_t* name, const void* bytes, DWORD size);
void WriteSettingText(const wchar_t* name, const wchar_t* text);
void DeleteSetting(const wchar_t* name);
