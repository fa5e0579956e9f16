#include "text_files.h"

#include "texts.h"
#include "ui_seam.h"

static void ShowFileFailure(const char* fileName, const char* failure)
{
    ShowMessageBox(nullptr, fileName, failure, MB_ICONERROR);
}

int LoadTextFile(HWND edit, const char* fileName)
{
    HANDLE file = CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;

    DWORD size = GetFileSize(file, nullptr);
    if (size == INVALID_FILE_SIZE) {
        ShowFileFailure(fileName, TEXT_SIZE_UNREADABLE);
        CloseHandle(file);
        return 0;
    }
    // Zero-filled with one byte more, so the text is terminated even after a short read.
    char* text = static_cast<char*>(GlobalAlloc(GPTR, static_cast<SIZE_T>(size) + 1));
    if (text == nullptr) {
        ShowFileFailure(fileName, TEXT_NO_MEMORY_TO_OPEN);
        CloseHandle(file);
        return 0;
    }
    DWORD read = 0;
    if (!ReadFile(file, text, size, &read, nullptr)) {
        ShowFileFailure(fileName, TEXT_READ_FAILED);
        GlobalFree(text);
        CloseHandle(file);
        return 0;
    }
    text[size] = '\0';
    int result = 1;
    if (!SetWindowTextA(edit, text)) {
        ShowFileFailure(fileName, TEXT_EDIT_REFUSED_TEXT);
        result = 0;
    }
    GlobalFree(text);
    CloseHandle(file);
    return result;
}

// Folder part of a file name, with its final separator; "" for a bare name (the current folder).
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

// Writes the edit control's whole text into the open file; 1 when every byte was written.
static int WriteEditText(HWND edit, HANDLE file)
{
    int length = GetWindowTextLengthA(edit);
    char* text = static_cast<char*>(GlobalAlloc(GPTR, static_cast<SIZE_T>(length) + 1));
    if (text == nullptr)
        return 0;
    int copied = length > 0 ? GetWindowTextA(edit, text, length + 1) : 0;
    DWORD written = 0;
    int result = copied == length && WriteFile(file, text, static_cast<DWORD>(length), &written, nullptr) &&
                 written == static_cast<DWORD>(length);
    GlobalFree(text);
    return result;
}

int SaveTextFile(HWND edit, const char* fileName)
{
    // The target must be writable before anything is written: a read-only or locked file fails here.
    // The read-only attribute is looked at itself, because replacing a file bypasses it on some systems.
    DWORD attributes = GetFileAttributesA(fileName);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return 0;
    HANDLE target = CreateFileA(fileName, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (target == INVALID_HANDLE_VALUE)
        return 0;
    int targetIsNew = GetLastError() != ERROR_ALREADY_EXISTS;
    CloseHandle(target);

    // The text goes into a new file beside the target, which replaces the target only when complete,
    // so that a failed write leaves the old content in place.
    char folder[MAX_PATH];
    char temporary[MAX_PATH];
    FolderOf(fileName, folder);
    int result = 0;
    if (GetTempFileNameA(folder, "pm", 0, temporary) != 0) {
        HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            int written = WriteEditText(edit, file);
            written = CloseHandle(file) && written;
            result = written && MoveFileExA(temporary, fileName, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        }
        if (!result)
            DeleteFileA(temporary);
    }
    if (!result && targetIsNew)
        DeleteFileA(fileName);
    if (result)
        SendMessageA(edit, EM_SETMODIFY, 0, 0);
    return result;
}
