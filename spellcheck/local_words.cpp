#include "local_words.h"

#include <cstring>

#include "list_files.h"
#include "message_boxes.h"
#include "scan_text.h"
#include "spell_tables.h"
#include "texts.h"
#include "typed_text_check.h"
#include "word_lists.h"

namespace {

// The most bytes a character of a word takes in UTF-8 (those of Windows-1252 take at most three).
const int MostUtf8BytesPerCharacter = 3;
// Room for the word in UTF-8, CR LF, a line break put in front of it, and the terminator.
const int RecordSize = MostUtf8BytesPerCharacter * TypedTextSize + 8;

// The list's path as the engine holds it: a blank-padded field.
void PathField(const char* path, char* field)
{
    std::memset(field, ' ', ListPathWidth);
    for (int i = 0; i < ListPathWidth && path[i] != 0; i++)
        field[i] = path[i];
}

// A list whose last line has no line break would otherwise glue the new word to that line.
bool EndsWithoutLineBreak(const char* hostPath)
{
    HANDLE file = CreateFileA(hostPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool missing = false;
    LARGE_INTEGER size;
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0) {
        LARGE_INTEGER last;
        last.QuadPart = size.QuadPart - 1;
        char byte = '\n';
        DWORD got = 0;
        if (SetFilePointerEx(file, last, nullptr, FILE_BEGIN) && ReadFile(file, &byte, 1, &got, nullptr) &&
            got == 1)
            missing = byte != '\n';
    }
    CloseHandle(file);
    return missing;
}

// The word (Windows-1252) as the list writes it: in UTF-8 when the list is read as UTF-8, else as it is.
void WordAsTheListWritesIt(const char* word, bool utf8, char* out, int outSize)
{
    lstrcpynA(out, word, outSize);
    if (!utf8)
        return;
    wchar_t wide[TypedTextSize];
    WideFromWordText(word, wide, TypedTextSize);
    if (WideCharToMultiByte(CP_UTF8, 0, wide, -1, out, outSize, nullptr, nullptr) == 0)
        out[0] = 0;
}

void AppendLocalWord(const char* path, const char* word)
{
    char field[ListPathWidth];
    PathField(path, field);
    char hostPath[2 * ListPathWidth + 2];
    if (!HostPathOf(field, hostPath, static_cast<int>(sizeof hostPath))) {
        ShowMessageBox(nullptr, TEXT_UNABLE_TO_OPEN, path, MB_ICONEXCLAMATION);
        return;
    }
    // Asked before the file is opened for appending, which creates a missing one.
    bool utf8 = ListFileInUtf8(field);
    bool needsLineBreak = EndsWithoutLineBreak(hostPath);
    // Append access only: every write lands at the end, and nothing before it can be changed.
    HANDLE file = CreateFileA(hostPath, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ShowMessageBox(nullptr, TEXT_UNABLE_TO_OPEN, path, MB_ICONEXCLAMATION);
        return;
    }
    char written[RecordSize];
    WordAsTheListWritesIt(word, utf8, written, RecordSize);
    char record[RecordSize + 2];
    int prefix = 0;
    if (needsLineBreak) {
        record[0] = '\r';
        record[1] = '\n';
        prefix = 2;
    }
    wsprintfA(record + prefix, TEXT_LOCAL_WORD_RECORD, written);
    DWORD length = static_cast<DWORD>(std::strlen(record));
    DWORD wrote = 0;
    BOOL done = WriteFile(file, record, length, &wrote, nullptr);
    if (done && wrote == length)
        ShowMessageBox(nullptr, word, TEXT_CAPTION_WORD_ADDED, MB_OK);
    else
        ShowMessageBox(nullptr, word, TEXT_CAPTION_WORD_NOT_ADDED, MB_ICONEXCLAMATION);
    CloseHandle(file);
    int16_t ignored = 0;
    ReloadLocalWords(ignored);
}

// A word appended to a full list would be left out of the table at the next load, and asked about
// again and again: the list is read as it is now (another program may have added to it).
bool LocalListFull()
{
    int16_t ignored = 0;
    ReloadLocalWords(ignored);
    return SpellTables.LocalCount >= LocalCapacity;
}

} // namespace

void LocalWordsPath(char* path)
{
    LocalListPath(path);
    int n = TrimmedLength(path, LocalPathSize);
    if (n > LocalPathSize - 1)
        n = LocalPathSize - 1;
    path[n] = 0;
}

int OfferLocalWord(HWND window, const char* word)
{
    if (LocalListFull()) {
        char message[sizeof TEXT_LOCAL_LIST_FULL + 16 + TypedTextSize];
        wsprintfA(message, TEXT_LOCAL_LIST_FULL, static_cast<int>(LocalCapacity), word);
        ShowMessageBox(window, message, TEXT_CAPTION_WORD_NOT_ADDED, MB_ICONEXCLAMATION);
        return 1;
    }
    char question[sizeof TEXT_CONFIRM_WORD_ADD + TypedTextSize];
    wsprintfA(question, TEXT_CONFIRM_WORD_ADD, word);
    if (ShowMessageBox(window, question, TEXT_CAPTION_WORD_ADD, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 0;
    char path[LocalPathSize];
    LocalWordsPath(path);
    AppendLocalWord(path, word);
    return 1;
}
