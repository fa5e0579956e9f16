#include "settings_store.h"

#include "handle_holders.h"

namespace {

// The key, opened for one read or write; null when it cannot be opened (for reading: when nothing was
// ever remembered).
HKEY OpenSettingsKey(bool forWriting)
{
    HKEY key = nullptr;
    LONG result = forWriting ? RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                                               &key, nullptr)
                             : RegOpenKeyExW(HKEY_CURRENT_USER, SettingsKey, 0, KEY_READ, &key);
    return result == ERROR_SUCCESS ? key : nullptr;
}

// The value's bytes when it has the type and at most `size` bytes; their number in `size`.
bool ReadValue(const wchar_t* name, DWORD type, void* data, DWORD& size)
{
    RegistryKeyHolder key(OpenSettingsKey(false));
    if (!key.IsValid())
        return false;
    DWORD foundType = 0;
    return RegQueryValueExW(key.Get(), name, nullptr, &foundType, static_cast<BYTE*>(data), &size) ==
               ERROR_SUCCESS &&
           foundType == type;
}

void WriteValue(const wchar_t* name, DWORD type, const void* data, DWORD size)
{
    RegistryKeyHolder key(OpenSettingsKey(true));
    if (key.IsValid())
        RegSetValueExW(key.Get(), name, 0, type, static_cast<const BYTE*>(data), size);
}

} // namespace

bool ReadSettingNumber(const wchar_t* name, DWORD& value)
{
    DWORD size = sizeof(value);
    return ReadValue(name, REG_DWORD, &value, size) && size == sizeof(value);
}

bool ReadSettingBytes(const wchar_t* name, void* bytes, DWORD size)
{
    DWORD read = size;
    return ReadValue(name, REG_BINARY, bytes, read) && read == size;
}

bool ReadSettingText(const wchar_t* name, wchar_t* text, DWORD capacity)
{
    DWORD size = capacity * sizeof(wchar_t);
    DWORD read = size;
    return ReadValue(name, REG_SZ, text, read) && EndStoredText(text, read, capacity);
}

bool EndStoredText(wchar_t* text, DWORD bytes, DWORD capacity)
{
    DWORD characters = bytes / sizeof(wchar_t);
    if (characters > 0 && text[characters - 1] == L'\0')
        return true;
    // A stored string may lack its terminator, and the system need not add one.
    if (characters >= capacity)
        return false;
    text[characters] = L'\0';
    return true;
}

void WriteSettingNumber(const wchar_t* name, DWORD value)
{
    WriteValue(name, REG_DWORD, &value, sizeof(value));
}

void WriteSettingBytes(const wchar_t* name, const void* bytes, DWORD size)
{
    WriteValue(name, REG_BINARY, bytes, size);
}

void WriteSettingText(const wchar_t* name, const wchar_t* text)
{
    WriteValue(name, REG_SZ, text, (static_cast<DWORD>(lstrlenW(text)) + 1) * sizeof(wchar_t));
}

void DeleteSetting(const wchar_t* name)
{
    RegistryKeyHolder key(OpenSettingsKey(true));
    if (key.IsValid())
        RegDeleteValueW(key.Get(), name);
}
