#include "settings_store.h"

#include "handle_holders.h"

namespace {

// The key, opened for one read or write; null when it cannot be opened (for reading: when nothing was
// ever remembered).
HKEY OpenSettingsKey(bool forWriting)
{
    HKEY key = nullptr;
    LONG result = forWriting ? RegCreateKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                                               &key, nullptr)
                             : RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, KEY_READ, &key);
    return result == ERROR_SUCCESS ? key : nullptr;
}

// The value's bytes when it has the type and at most `size` bytes; their number in `size`.
bool ReadValue(const char* name, DWORD type, void* data, DWORD& size)
{
    RegistryKeyHolder key(OpenSettingsKey(false));
    if (!key.IsValid())
        return false;
    DWORD foundType = 0;
    return RegQueryValueExA(key.Get(), name, nullptr, &foundType, static_cast<BYTE*>(data), &size) ==
               ERROR_SUCCESS &&
           foundType == type;
}

void WriteValue(const char* name, DWORD type, const void* data, DWORD size)
{
    RegistryKeyHolder key(OpenSettingsKey(true));
    if (key.IsValid())
        RegSetValueExA(key.Get(), name, 0, type, static_cast<const BYTE*>(data), size);
}

} // namespace

bool ReadSettingNumber(const char* name, DWORD& value)
{
    DWORD size = sizeof(value);
    return ReadValue(name, REG_DWORD, &value, size) && size == sizeof(value);
}

bool ReadSettingBytes(const char* name, void* bytes, DWORD size)
{
    DWORD read = size;
    return ReadValue(name, REG_BINARY, bytes, read) && read == size;
}

bool ReadSettingText(const char* name, char* text, DWORD size)
{
    DWORD read = size;
    if (!ReadValue(name, REG_SZ, text, read))
        return false;
    if (read > 0 && text[read - 1] == '\0')
        return true;
    // A stored string may lack its terminator.
    if (read >= size)
        return false;
    text[read] = '\0';
    return true;
}

void WriteSettingNumber(const char* name, DWORD value)
{
    WriteValue(name, REG_DWORD, &value, sizeof(value));
}

void WriteSettingBytes(const char* name, const void* bytes, DWORD size)
{
    WriteValue(name, REG_BINARY, bytes, size);
}

void WriteSettingText(const char* name, const char* text)
{
    WriteValue(name, REG_SZ, text, static_cast<DWORD>(lstrlenA(text)) + 1);
}

void DeleteSetting(const char* name)
{
    RegistryKeyHolder key(OpenSettingsKey(true));
    if (key.IsValid())
        RegDeleteValueA(key.Get(), name);
}
