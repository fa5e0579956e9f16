#include "local_words.h"

#include <cstring>

#include "list_files.h"
#include "message_boxes.h"
#include "texts.h"
#include "typed_text_check.h"
#include "word_lists.h"

namespace {

// Room for the word, CR LF, and a line break put in front of it.
const int RecordSize = TypedTextSize + 8;

// The name under which the host opens the list: the fixed path, moved to a test folder when one is set.
bool HostLocalPath(const char* path, char* hostPath, int hostPathSize)
{
    char field[ListPathWidth];
    std::memset(field, ' ', sizeof field);
    for (int i = 0; i < ListPathWidth && path[i] != 0; i++)
        field[i] = path[i];
    return HostPathOf(field, hostPath, hostPathSize);
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

void AppendLocalWord(const char* path, const char* word)
{
    char hostPath[2 * ListPathWidth + 2];
    if (!HostLocalPath(path, hostPath, static_cast<int>(sizeof hostPath))) {
        ShowMessageBox(nullptr, TEXT_UNABLE_TO_OPEN, path, MB_ICONEXCLAMATION);
        return;
    }
    bool needsLineBreak = EndsWithoutLineBreak(hostPath);
    // Append access only: every write lands at the end, and nothing before it can be changed.
    HANDLE file = CreateFileA(hostPath, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ShowMessageBox(nullptr, TEXT_UNABLE_TO_OPEN, path, MB_ICONEXCLAMATION);
        return;
    }
    char record[RecordSize];
    int prefix = 0;
    if (needsLineBreak) {
        record[0] = '\r';
        record[1] = '\n';
        prefix = 2;
    }
    wsprintfA(record + prefix, TEXT_LOCAL_WORD_RECORD, word);
    DWORD length = static_cast<DWORD>(std::strlen(record));
    DWORD written = 0;
    BOOL wrote = WriteFile(file, record, length, &written, nullptr);
    if (wrote && written == length)
        ShowMessageBox(nullptr, word, TEXT_CAPTION_WORD_ADDED, MB_OK);
    else
        ShowMessageBox(nullptr, word, TEXT_CAPTION_WORD_NOT_ADDED, MB_ICONEXCLAMATION);
    CloseHandle(file);
    int16_t ignored = 0;
    ReloadLocalWords(ignored);
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
    char question[sizeof TEXT_CONFIRM_WORD_ADD + TypedTextSize];
    wsprintfA(question, TEXT_CONFIRM_WORD_ADD, word);
    if (ShowMessageBox(window, question, TEXT_CAPTION_WORD_ADD, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 0;
    char path[LocalPathSize];
    LocalWordsPath(path);
    AppendLocalWord(path, word);
    return 1;
}
