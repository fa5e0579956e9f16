#include "recovery.h"

#include <shlobj.h>
#include <strsafe.h>

#include "documents.h"
#include "editor_hooks.h"
#include "handle_holders.h"
#include "recovery_copy.h"
#include "shell_state.h"
#include "texts.h"
#include "window_classes.h"

namespace {

// Under the user's local application data.
const wchar_t RecoveryFolderPath[] = L"Penmar\\Recovery\\";
// A copy is "<editor>-<number>.txt" while complete, "<editor>-<number>.new" while it is written.
const wchar_t CopyExtension[] = L".txt";
const wchar_t NewCopyExtension[] = L".new";
// The lock of a running editor: a named mutex that ends with the editor's process, however it ends.
const wchar_t LockPrefix[] = L"Local\\Penmar.Recovery.";
// The editor's name: its process number and the time it started, both in hexadecimal.
const int EditorNameSize = 8 + 1 + 16 + 1;

wchar_t givenFolder[MAX_PATH] = L"";
wchar_t folder[MAX_PATH] = L"";   // ends in a backslash; empty while no copies are kept
wchar_t editorName[EditorNameSize] = L"";
HANDLE editorLock = nullptr;
int lastCopyNumber = 0;
bool timerSet = false;

bool Started()
{
    return folder[0] != L'\0';
}

// Creates each missing folder of the path (which ends in a backslash).
bool MakeFolders(const wchar_t* path)
{
    wchar_t partial[MAX_PATH];
    for (int i = 0; path[i] != L'\0' && i < MAX_PATH - 1; i++) {
        if (path[i] != L'\\' || i == 0 || path[i - 1] == L':')
            continue;
        lstrcpynW(partial, path, i + 1);
        if (!CreateDirectoryW(partial, nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool ChooseFolder(wchar_t path[MAX_PATH])
{
    if (givenFolder[0] != L'\0') {
        StringCchCopyW(path, MAX_PATH, givenFolder);
    } else {
        wchar_t localData[MAX_PATH] = L"";
        DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", localData, MAX_PATH);
        if ((length == 0 || length >= MAX_PATH) &&
            SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, localData) != S_OK)
            return false;
        StringCchCopyW(path, MAX_PATH, localData);
        int end = lstrlenW(path);
        if (end > 0 && path[end - 1] != L'\\')
            StringCchCatW(path, MAX_PATH, L"\\");
        StringCchCatW(path, MAX_PATH, RecoveryFolderPath);
    }
    int end = lstrlenW(path);
    if (end > 0 && path[end - 1] != L'\\' && FAILED(StringCchCatW(path, MAX_PATH, L"\\")))
        return false;
    return end > 0;
}

void LockNameOf(const wchar_t* name, wchar_t lockName[64])
{
    StringCchPrintfW(lockName, 64, L"%ls%ls", LockPrefix, name);
}

bool EditorRuns(const wchar_t* name)
{
    if (lstrcmpW(name, editorName) == 0)
        return true;
    wchar_t lockName[64];
    LockNameOf(name, lockName);
    HANDLE lock = OpenMutexW(SYNCHRONIZE, FALSE, lockName);
    if (lock != nullptr) {
        CloseHandle(lock);
        return true;
    }
    // A lock this user may not open is still a lock.
    return GetLastError() == ERROR_ACCESS_DENIED;
}

void CopyPathOf(const wchar_t* name, int number, const wchar_t* extension, wchar_t path[MAX_PATH])
{
    StringCchPrintfW(path, MAX_PATH, L"%ls%ls-%d%ls", folder, name, number, extension);
}

// The editor's name of a copy's file name "<editor>-<number><extension>"; false for any other name.
bool EditorOfCopy(const wchar_t* fileName, const wchar_t* extension, wchar_t name[EditorNameSize])
{
    int length = lstrlenW(fileName);
    int extensionLength = lstrlenW(extension);
    if (length <= extensionLength || lstrcmpiW(fileName + length - extensionLength, extension) != 0)
        return false;
    int dash = length - extensionLength - 1;
    while (dash > 0 && fileName[dash] >= L'0' && fileName[dash] <= L'9')
        dash--;
    if (dash <= 0 || fileName[dash] != L'-' || dash == length - extensionLength - 1 || dash >= EditorNameSize)
        return false;
    lstrcpynW(name, fileName, dash + 1);
    return true;
}

DocumentRecord* RecordWithCopy(HWND document)
{
    return Started() ? RecordOfDocument(document) : nullptr;
}

bool HasChanges(HWND document)
{
    return SendDlgItemMessageW(document, DocumentEditId, EM_GETMODIFY, 0, 0) != 0;
}

void RemoveCopyOf(RecoveryCopy& copy)
{
    if (copy.written) {
        wchar_t path[MAX_PATH];
        CopyPathOf(editorName, copy.number, CopyExtension, path);
        DeleteFileW(path);
    }
    copy.written = false;
    copy.stale = false;
}

// The whole file goes beside the copy, then over it: a crash while writing leaves the old copy.
bool WriteWholeFile(const wchar_t* path, const wchar_t* newPath, const wchar_t* header, DWORD headerLength,
                    const wchar_t* text, DWORD textLength)
{
    HandleHolder file(CreateFileW(newPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return false;
    DWORD headerSize = headerLength * sizeof(wchar_t), textSize = textLength * sizeof(wchar_t);
    DWORD headerWritten = 0, textWritten = 0;
    bool complete = WriteFile(file.Get(), header, headerSize, &headerWritten, nullptr) && headerWritten == headerSize &&
                    (textSize == 0 || (WriteFile(file.Get(), text, textSize, &textWritten, nullptr) &&
                                       textWritten == textSize)) &&
                    FlushFileBuffers(file.Get());
    if (!file.Close() || !complete ||
        !MoveFileExW(newPath, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(newPath);
        return false;
    }
    return true;
}

bool WriteCopyOf(HWND document, RecoveryCopy& copy)
{
    const DocumentFile& file = FileOfDocument(document);
    DocumentTextCopy text(GetDlgItem(document, DocumentEditId));
    // Two bytes a character, and the header: a text this long cannot be written in one piece.
    if (!text.IsValid() || text.Length() > static_cast<int>(MAXDWORD / sizeof(wchar_t) / 2))
        return false;
    size_t pathLength = static_cast<size_t>(lstrlenW(file.path));
    // The longest header: a path of MAX_PATH - 1 characters, the longest names, the mark and line ends.
    wchar_t header[MAX_PATH + 64];
    size_t headerLength = RecoveryHeaderLength(pathLength, file.encoding, file.lineEnds);
    WriteRecoveryHeader(reinterpret_cast<const char16_t*>(file.path), pathLength, file.encoding, file.lineEnds,
                        reinterpret_cast<char16_t*>(header));
    if (copy.number == 0)
        copy.number = ++lastCopyNumber;
    wchar_t path[MAX_PATH], newPath[MAX_PATH];
    CopyPathOf(editorName, copy.number, CopyExtension, path);
    CopyPathOf(editorName, copy.number, NewCopyExtension, newPath);
    if (!WriteWholeFile(path, newPath, header, static_cast<DWORD>(headerLength), text.Text(),
                        static_cast<DWORD>(text.Length())))
        return false;
    copy.written = true;
    copy.stale = false;
    return true;
}

void SetCopyTimer()
{
    if (!timerSet && hMainWindow != nullptr)
        timerSet = SetTimer(hMainWindow, RecoveryTimerId, RecoveryCopyDelay, nullptr) != 0;
}

void WriteCopyIfStale(HWND document)
{
    DocumentRecord* record = RecordWithCopy(document);
    if (record == nullptr || !record->recovery.stale)
        return;
    if (!HasChanges(document))
        RemoveCopyOf(record->recovery);
    else if (!WriteCopyOf(document, record->recovery))
        SetCopyTimer();   // tried again later
}

void RemoveCopyOfDocument(HWND document)
{
    DocumentRecord* record = RecordWithCopy(document);
    if (record != nullptr)
        RemoveCopyOf(record->recovery);
}

// ---- Recovery at start

struct RecoveryCount {
    int recovered;
    int unreadable;
};

// The whole file; false when it cannot be read.
bool ReadWholeFile(const wchar_t* path, HeapText<unsigned char>& bytes, DWORD& size)
{
    HandleHolder file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER fileSize = {};
    if (!file.IsValid() || !GetFileSizeEx(file.Get(), &fileSize) || fileSize.QuadPart >= MAXDWORD / 2 ||
        !bytes.Allocate(static_cast<SIZE_T>(fileSize.QuadPart) + sizeof(wchar_t)))
        return false;
    size = 0;
    return ReadFile(file.Get(), bytes.Get(), static_cast<DWORD>(fileSize.QuadPart), &size, nullptr) &&
           size == static_cast<DWORD>(fileSize.QuadPart);
}

// A document holding the copy's text, changed, under the copy's old name; false when no window could be made.
bool OpenCopyAsDocument(const unsigned char* bytes, const RecoveryCopyParts& parts, int number)
{
    HWND document = CreateDocumentWindow(hMDIClient);
    if (document == nullptr)
        return false;
    // The text ends the copy: a terminator fits in the room read beyond it.
    wchar_t* text = reinterpret_cast<wchar_t*>(const_cast<unsigned char*>(bytes)) + parts.textStart;
    text[parts.textLength] = L'\0';
    HWND edit = GetDlgItem(document, DocumentEditId);
    SetWindowTextW(edit, text);
    DocumentFile& file = FileOfDocument(document);
    const wchar_t* path = reinterpret_cast<const wchar_t*>(bytes) + parts.pathStart;
    lstrcpynW(file.path, path, static_cast<int>(parts.pathLength) + 1);
    file.encoding = parts.encoding;
    file.lineEnds = parts.lineEnds;
    if (file.path[0] != L'\0')
        SetDocumentTitle(document, file.path);
    // Not saved: closing it asks, and its history has no saved text.
    SendMessageW(edit, EM_SETMODIFY, TRUE, 0);
    DocumentRecord* record = RecordOfDocument(document);
    if (record != nullptr) {
        record->recovery.number = number;
        record->recovery.written = true;
        record->recovery.stale = false;
    }
    return true;
}

// A copy whose editor no longer runs: read, then taken over under this editor's name, then opened.
// Another editor starting at the same time takes it first or finds it gone.
void RecoverCopy(const wchar_t* fileName, RecoveryCount& count)
{
    wchar_t path[MAX_PATH];
    StringCchPrintfW(path, MAX_PATH, L"%ls%ls", folder, fileName);
    HeapText<unsigned char> bytes;
    DWORD size = 0;
    RecoveryCopyParts parts = {};
    if (!ReadWholeFile(path, bytes, size) || !ParseRecoveryCopy(bytes.Get(), size, parts)) {
        count.unreadable++;
        return;
    }
    int number = ++lastCopyNumber;
    wchar_t takenPath[MAX_PATH];
    CopyPathOf(editorName, number, CopyExtension, takenPath);
    if (!MoveFileW(path, takenPath)) {
        if (GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES)
            count.unreadable++;
        return;
    }
    if (!OpenCopyAsDocument(bytes.Get(), parts, number)) {
        MoveFileW(takenPath, path);
        count.unreadable++;
        return;
    }
    count.recovered++;
}

// Copies that an editor was writing when it ended are incomplete: they go.
void RemoveIncompleteCopy(const wchar_t* fileName, RecoveryCount&)
{
    wchar_t path[MAX_PATH];
    StringCchPrintfW(path, MAX_PATH, L"%ls%ls", folder, fileName);
    DeleteFileW(path);
}

void ForEachCopyOfEndedEditors(const wchar_t* extension, void (*action)(const wchar_t* fileName, RecoveryCount& count),
                               RecoveryCount& count)
{
    wchar_t pattern[MAX_PATH];
    StringCchPrintfW(pattern, MAX_PATH, L"%ls*-*%ls", folder, extension);
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(pattern, &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        wchar_t owner[EditorNameSize];
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
            EditorOfCopy(entry.cFileName, extension, owner) && !EditorRuns(owner))
            action(entry.cFileName, count);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
}

void ReportRecovery(HWND frame, const RecoveryCount& count)
{
    const int textSize = 1024;
    wchar_t text[textSize] = L"";
    if (count.recovered == 1)
        StringCchCopyW(text, textSize, WIDE(TEXT_RECOVERED_ONE));
    else if (count.recovered > 1)
        StringCchPrintfW(text, textSize, WIDE(TEXT_RECOVERED_MANY), count.recovered);
    wchar_t unreadable[textSize] = L"";
    if (count.unreadable == 1)
        StringCchPrintfW(unreadable, textSize, WIDE(TEXT_RECOVERY_UNREADABLE_ONE), folder);
    else if (count.unreadable > 1)
        StringCchPrintfW(unreadable, textSize, WIDE(TEXT_RECOVERY_UNREADABLE_MANY), count.unreadable, folder);
    if (text[0] != L'\0' && unreadable[0] != L'\0')
        StringCchCatW(text, textSize, L"\r\n\r\n");
    StringCchCatW(text, textSize, unreadable);
    ShowMessageBox(frame, text, WIDE(TEXT_MESSAGE_CAPTION), count.unreadable > 0 ? MB_ICONWARNING : MB_ICONINFORMATION);
}

} // namespace

void SetRecoveryFolder(const wchar_t* given)
{
    StringCchCopyW(givenFolder, MAX_PATH, given != nullptr ? given : L"");
}

bool StartRecovery()
{
    StopRecovery();
    wchar_t chosen[MAX_PATH];
    if (!ChooseFolder(chosen) || !MakeFolders(chosen))
        return false;
    // The time names this start among the starts of the same process number, then and later.
    static ULONGLONG lastStart = 0;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULONGLONG started = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    if (started <= lastStart)
        started = lastStart + 1;
    lastStart = started;
    StringCchPrintfW(editorName, EditorNameSize, L"%08lX-%016llX", GetCurrentProcessId(), started);
    wchar_t lockName[64];
    LockNameOf(editorName, lockName);
    editorLock = CreateMutexW(nullptr, FALSE, lockName);
    if (editorLock == nullptr)
        return false;
    StringCchCopyW(folder, MAX_PATH, chosen);
    return true;
}

void StopRecovery()
{
    if (timerSet && hMainWindow != nullptr)
        KillTimer(hMainWindow, RecoveryTimerId);
    timerSet = false;
    if (editorLock != nullptr)
        CloseHandle(editorLock);
    editorLock = nullptr;
    folder[0] = L'\0';
    editorName[0] = L'\0';
}

void RecoveryCopyMayBeStale(HWND document)
{
    DocumentRecord* record = RecordWithCopy(document);
    if (record == nullptr)
        return;
    if (!HasChanges(document)) {
        RemoveCopyOf(record->recovery);
        return;
    }
    record->recovery.stale = true;
    SetCopyTimer();
}

void WriteRecoveryCopies()
{
    if (Started())
        ForEachDocument(WriteCopyIfStale);
}

void OnRecoveryTimer()
{
    if (hMainWindow != nullptr)
        KillTimer(hMainWindow, RecoveryTimerId);
    timerSet = false;
    WriteRecoveryCopies();
}

void RemoveRecoveryCopy(HWND document)
{
    RemoveCopyOfDocument(document);
}

void RemoveRecoveryCopies()
{
    if (Started())
        ForEachDocument(RemoveCopyOfDocument);
}

void RecoverDocuments(HWND frame)
{
    if (!Started())
        return;
    RecoveryCount count = {0, 0};
    ForEachCopyOfEndedEditors(NewCopyExtension, RemoveIncompleteCopy, count);
    ForEachCopyOfEndedEditors(CopyExtension, RecoverCopy, count);
    if (count.recovered > 0 || count.unreadable > 0)
        ReportRecovery(frame, count);
}

void RecoveryCopyPath(HWND document, wchar_t path[MAX_PATH])
{
    path[0] = L'\0';
    DocumentRecord* record = RecordWithCopy(document);
    if (record != nullptr && record->recovery.written)
        CopyPathOf(editorName, record->recovery.number, CopyExtension, path);
}
