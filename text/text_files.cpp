#include "text_files.h"

#include <cstring>

#include "handle_holders.h"

namespace {

// Past this a file's text (two bytes a character, and a copy while it is read) no longer fits a
// 32-bit program's memory.
const LONGLONG LargestFile = 0x40000000;

bool FailWith(DWORD error)
{
    SetLastError(error);
    return false;
}

// A zero character would end the edit control's text, and the next save would drop everything after
// it. Returns true when the text held one.
bool BlankZeroCharacters(wchar_t* text, size_t length)
{
    bool found = false;
    for (size_t i = 0; i < length; i++) {
        if (text[i] == L'\0') {
            text[i] = L' ';
            found = true;
        }
    }
    return found;
}

// Bytes in the ANSI code page: decoded, and whether encoding the text again gives the same bytes.
int DecodeAnsi(const unsigned char* bytes, int size, wchar_t* out, bool& exact)
{
    exact = true;
    if (size == 0)
        return 0;
    const char* narrow = reinterpret_cast<const char*>(bytes);
    int length = MultiByteToWideChar(CP_ACP, 0, narrow, size, out, size);
    if (length == 0)
        return -1;
    HeapText<char> again(static_cast<SIZE_T>(size) + 1);
    if (!again.IsValid())
        return -1;
    int againSize = WideCharToMultiByte(CP_ACP, 0, out, length, again.Get(), size, nullptr, nullptr);
    exact = againSize == size && std::memcmp(again.Get(), narrow, static_cast<size_t>(size)) == 0;
    return length;
}

// Decodes the file's bytes into a new text in the edit control's form: terminated, CR LF lines.
// False when no memory could be had.
bool DecodeFileText(const unsigned char* bytes, size_t size, DocumentFile& file, OpenedFileNotes& notes,
                    HeapText<wchar_t>& shown, size_t& shownLength)
{
    file.encoding = DetectEncoding(bytes, size);
    size_t length = file.encoding == EncodingAnsi ? size : DecodedLength(bytes, size, file.encoding);
    HeapText<wchar_t> decoded(length + 1);
    if (!decoded.IsValid())
        return false;
    if (file.encoding == EncodingAnsi) {
        bool exact = true;
        int ansiLength = DecodeAnsi(bytes, static_cast<int>(size), decoded.Get(), exact);
        if (ansiLength < 0)
            return false;
        length = static_cast<size_t>(ansiLength);
        notes.ansiNotExact = !exact;
    } else {
        DecodeText(bytes, size, file.encoding, reinterpret_cast<char16_t*>(decoded.Get()));
    }
    notes.heldZeroCharacters = BlankZeroCharacters(decoded.Get(), length);
    const char16_t* plain = reinterpret_cast<const char16_t*>(decoded.Get());
    file.lineEnds = DetectLineEnds(plain, length);
    if (file.lineEnds == LineEndsLf || file.lineEnds == LineEndsCr) {
        size_t expandedLength = ExpandedLength(plain, length, file.lineEnds);
        if (!shown.Allocate(expandedLength + 1))
            return false;
        ExpandLineEnds(plain, length, file.lineEnds, reinterpret_cast<char16_t*>(shown.Get()));
        length = expandedLength;
    } else {
        shown.TakeFrom(decoded);
    }
    shown.Get()[length] = L'\0';
    shownLength = length;
    return true;
}

// Folder part of a file name, with its final separator; "." for a bare name (the current folder).
void FolderOf(const wchar_t* fileName, wchar_t folder[MAX_PATH])
{
    int end = 0;
    for (int i = 0; fileName[i] != L'\0' && i < MAX_PATH - 1; i++)
        if (fileName[i] == L'\\' || fileName[i] == L'/' || fileName[i] == L':')
            end = i + 1;
    lstrcpynW(folder, fileName, end + 1);
    if (end == 0)
        lstrcpyW(folder, L".");
}

// The bytes of the edit control's text as the file keeps it; false with the reason in GetLastError().
bool EncodeEditText(HWND edit, const DocumentFile& file, HeapText<unsigned char>& bytes, size_t& size)
{
    DocumentTextCopy text(edit);
    // A text not copied whole must not replace the file.
    if (!text.IsValid() || text.Length() != DocumentTextLength(edit))
        return FailWith(ERROR_NOT_ENOUGH_MEMORY);
    size_t length = CollapseLineEnds(reinterpret_cast<char16_t*>(text.Text()), static_cast<size_t>(text.Length()),
                                     file.lineEnds);
    int ansiLength = static_cast<int>(length);
    if (file.encoding == EncodingAnsi) {
        int index = 0;
        unsigned codePoint = 0;
        if (FindCharacterOutsideAnsi(text.Text(), ansiLength, index, codePoint))
            return FailWith(ERROR_NO_UNICODE_TRANSLATION);
        int needed = length == 0 ? 0 : WideCharToMultiByte(CP_ACP, 0, text.Text(), ansiLength, nullptr, 0, nullptr, nullptr);
        if (!bytes.Allocate(static_cast<SIZE_T>(needed) + 1))
            return FailWith(ERROR_NOT_ENOUGH_MEMORY);
        if (needed > 0)
            WideCharToMultiByte(CP_ACP, 0, text.Text(), ansiLength, reinterpret_cast<char*>(bytes.Get()), needed,
                                nullptr, nullptr);
        size = static_cast<size_t>(needed);
        return true;
    }
    const char16_t* units = reinterpret_cast<const char16_t*>(text.Text());
    size = EncodedSize(units, length, file.encoding);
    if (!bytes.Allocate(size + 1))
        return FailWith(ERROR_NOT_ENOUGH_MEMORY);
    EncodeText(units, length, file.encoding, bytes.Get());
    return true;
}

// Writes the bytes into a new file; 0 when complete, otherwise the system's error number.
DWORD WriteNewFile(const wchar_t* path, const unsigned char* bytes, size_t size)
{
    HandleHolder target(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!target.IsValid())
        return GetLastError();
    DWORD error = 0;
    DWORD written = 0;
    if (!WriteFile(target.Get(), bytes, static_cast<DWORD>(size), &written, nullptr))
        error = GetLastError();
    else if (written != static_cast<DWORD>(size))
        error = ERROR_DISK_FULL;   // a short write to a disk file means there was no more room
    if (!target.Close() && error == 0)
        error = GetLastError();
    return error;
}

// The bytes go into a new file beside the target, which replaces the target only when complete, so
// that a failed write leaves the old content in place. 0 or the system's error number.
DWORD ReplaceFileWith(const wchar_t* fileName, const unsigned char* bytes, size_t size)
{
    wchar_t folder[MAX_PATH];
    wchar_t temporary[MAX_PATH];
    FolderOf(fileName, folder);
    if (GetTempFileNameW(folder, L"pm", 0, temporary) == 0)
        return GetLastError();
    DWORD error = WriteNewFile(temporary, bytes, size);
    // The target could be opened for writing, so a replace that is denied is refused by a program that
    // holds the file open, sharing its reading and writing but not its replacement.
    if (error == 0 && !MoveFileExW(temporary, fileName, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
        if (error == ERROR_ACCESS_DENIED)
            error = ERROR_SHARING_VIOLATION;
    }
    if (error != 0)
        DeleteFileW(temporary);
    return error;
}

} // namespace

bool LoadTextFile(HWND edit, const wchar_t* fileName, DocumentFile& file, OpenedFileNotes& notes)
{
    notes.heldZeroCharacters = false;
    notes.ansiNotExact = false;
    // Reading never conflicts with a writer: a log being written or a document open elsewhere opens.
    HandleHolder input(CreateFileW(fileName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                   0, nullptr));
    if (!input.IsValid())
        return FailWith(GetLastError() != 0 ? GetLastError() : ERROR_OPEN_FAILED);
    LARGE_INTEGER fileSize = {};
    if (!GetFileSizeEx(input.Get(), &fileSize))
        return false;
    if (fileSize.QuadPart > LargestFile)
        return FailWith(ERROR_FILE_TOO_LARGE);
    size_t size = static_cast<size_t>(fileSize.QuadPart);
    HeapText<unsigned char> bytes(size + 1);
    if (!bytes.IsValid())
        return FailWith(ERROR_NOT_ENOUGH_MEMORY);
    DWORD read = 0;
    if (!ReadFile(input.Get(), bytes.Get(), static_cast<DWORD>(size), &read, nullptr))
        return false;

    DocumentFile opened = {};
    HeapText<wchar_t> shown;
    size_t shownLength = 0;
    if (!DecodeFileText(bytes.Get(), read, opened, notes, shown, shownLength))
        return FailWith(ERROR_NOT_ENOUGH_MEMORY);
    if (!SetWindowTextW(edit, shown.Get()) || DocumentTextLength(edit) != static_cast<int>(shownLength))
        return FailWith(ERROR_NOT_ENOUGH_MEMORY);
    DWORD fullLength = GetFullPathNameW(fileName, MAX_PATH, opened.path, nullptr);
    if (fullLength == 0 || fullLength >= MAX_PATH)
        lstrcpynW(opened.path, fileName, MAX_PATH);
    file = opened;
    return true;
}

bool FindCharacterOutsideAnsi(const wchar_t* text, int length, int& index, unsigned& codePoint)
{
    if (length == 0)
        return false;
    BOOL usedDefault = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, length, nullptr, 0, nullptr, &usedDefault);
    if (!usedDefault)
        return false;
    // Only now, one character at a time: which one it was.
    for (int i = 0; i < length; i++) {
        int units = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < length ? 2 : 1;
        char bytes[8];
        BOOL lost = FALSE;
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text + i, units, bytes, sizeof(bytes), nullptr, &lost);
        if (lost) {
            index = i;
            codePoint = units == 2 ? 0x10000u + ((static_cast<unsigned>(text[i]) - 0xD800u) << 10) +
                                         (static_cast<unsigned>(text[i + 1]) - 0xDC00u)
                                   : static_cast<unsigned>(text[i]);
            return true;
        }
        i += units - 1;
    }
    return false;
}

bool SaveTextFile(HWND edit, const wchar_t* fileName, const DocumentFile& file)
{
    // The target must be writable before anything is written: a read-only or locked file fails here.
    // The read-only attribute is looked at itself, because replacing a file bypasses it on some systems.
    DWORD attributes = GetFileAttributesW(fileName);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return FailWith(ERROR_ACCESS_DENIED);
    HeapText<unsigned char> bytes;
    size_t size = 0;
    if (!EncodeEditText(edit, file, bytes, size))
        return false;
    bool targetIsNew = false;
    {
        HandleHolder target(CreateFileW(fileName, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!target.IsValid())
            return false;
        targetIsNew = GetLastError() != ERROR_ALREADY_EXISTS;
    }
    DWORD error = ReplaceFileWith(fileName, bytes.Get(), size);
    if (error != 0) {
        if (targetIsNew)
            DeleteFileW(fileName);
        return FailWith(error);
    }
    SendMessageW(edit, EM_SETMODIFY, FALSE, 0);
    return true;
}
