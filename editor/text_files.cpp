#include "text_files.h"

#include "editor_hooks.h"
#include "edit_text_copy.h"
#include "handle_holders.h"
#include "texts.h"

static void ShowFileFailure(const char* fileName, const char* failure)
{
    ShowMessageBox(nullptr, fileName, failure, MB_ICONERROR);
}

// A zero byte would end the edit control's text, and the next save would drop everything after it.
// Returns true when the text held one.
static bool BlankZeroBytes(char* text, DWORD length)
{
    bool found = false;
    for (DWORD i = 0; i < length; i++) {
        if (text[i] == '\0') {
            text[i] = ' ';
            found = true;
        }
    }
    return found;
}

bool LoadTextFile(HWND edit, const char* fileName, DWORD& openError)
{
    openError = 0;
    // Reading never conflicts with a writer: a log being written or a document open elsewhere opens.
    HandleHolder file(CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr));
    if (!file.IsValid()) {
        openError = GetLastError();
        if (openError == 0)
            openError = ERROR_OPEN_FAILED;
        return false;
    }

    DWORD size = GetFileSize(file.Get(), nullptr);
    if (size == INVALID_FILE_SIZE) {
        ShowFileFailure(fileName, TEXT_SIZE_UNREADABLE);
        return false;
    }
    // One byte more for the terminator.
    GlobalMemoryHolder text(static_cast<SIZE_T>(size) + 1);
    if (!text.IsValid()) {
        ShowFileFailure(fileName, TEXT_NO_MEMORY_TO_OPEN);
        return false;
    }
    DWORD read = 0;
    if (!ReadFile(file.Get(), text.Text(), size, &read, nullptr)) {
        ShowFileFailure(fileName, TEXT_READ_FAILED);
        return false;
    }
    bool heldZeroBytes = BlankZeroBytes(text.Text(), read);
    text.Text()[read] = '\0';
    if (!SetWindowTextA(edit, text.Text())) {
        ShowFileFailure(fileName, TEXT_EDIT_REFUSED_TEXT);
        return false;
    }
    if (heldZeroBytes)
        ShowMessageBox(GetParent(edit), TEXT_ZERO_BYTES_AS_BLANKS, fileName, MB_ICONWARNING);
    return true;
}

// Folder part of a file name, with its final separator; "." for a bare name (the current folder).
static void FolderOf(const char* fileName, char folder[MAX_PATH])
{
    int end = 0;
    for (int i = 0; fileName[i] != '\0' && i < MAX_PATH - 1; i++)
        if (fileName[i] == '\\' || fileName[i] == '/' || fileName[i] == ':')
            end = i + 1;
    lstrcpynA(folder, fileName, end + 1);
    if (end == 0)
        lstrcpyA(folder, ".");
}

static bool FailWith(DWORD error)
{
    SetLastError(error);
    return false;
}

// Writes the edit control's whole text into the open file; false with the reason in GetLastError().
static bool WriteEditText(HWND edit, HANDLE file)
{
    int length = GetWindowTextLengthA(edit);
    EditTextCopy text(edit);
    if (!text.IsValid())
        return false;
    // A text not copied whole must not replace the file.
    if (text.Length() != length)
        return FailWith(ERROR_NOT_ENOUGH_MEMORY);
    DWORD written = 0;
    if (!WriteFile(file, text.Text(), static_cast<DWORD>(length), &written, nullptr))
        return false;
    // A short write to a disk file means there was no more room.
    if (written != static_cast<DWORD>(length))
        return FailWith(ERROR_DISK_FULL);
    return true;
}

// Writes the text into a new file; 0 when complete, otherwise the system's error number.
static DWORD WriteEditTextToNewFile(HWND edit, const char* path)
{
    HandleHolder file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return GetLastError();
    DWORD error = WriteEditText(edit, file.Get()) ? 0 : GetLastError();
    if (!file.Close() && error == 0)
        error = GetLastError();
    return error;
}

// The text goes into a new file beside the target, which replaces the target only when complete,
// so that a failed write leaves the old content in place. 0 or the system's error number.
static DWORD ReplaceWithEditText(HWND edit, const char* fileName)
{
    char folder[MAX_PATH];
    char temporary[MAX_PATH];
    FolderOf(fileName, folder);
    if (GetTempFileNameA(folder, "pm", 0, temporary) == 0)
        return GetLastError();
    DWORD error = WriteEditTextToNewFile(edit, temporary);
    if (error == 0 && !MoveFileExA(temporary, fileName, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error != 0)
        DeleteFileA(temporary);
    return error;
}

bool SaveTextFile(HWND edit, const char* fileName)
{
    // The target must be writable before anything is written: a read-only or locked file fails here.
    // The read-only attribute is looked at itself, because replacing a file bypasses it on some systems.
    DWORD attributes = GetFileAttributesA(fileName);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return FailWith(ERROR_ACCESS_DENIED);
    bool targetIsNew = false;
    {
        HandleHolder target(CreateFileA(fileName, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!target.IsValid())
            return false;
        targetIsNew = GetLastError() != ERROR_ALREADY_EXISTS;
    }
    DWORD error = ReplaceWithEditText(edit, fileName);
    if (error != 0) {
        if (targetIsNew)
            DeleteFileA(fileName);
        return FailWith(error);
    }
    SendMessageA(edit, EM_SETMODIFY, 0, 0);
    return true;
}
