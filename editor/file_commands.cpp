#include "file_commands.h"

#include <shlobj.h>
#include <strsafe.h>

#include <cwchar>

#include "caret_position.h"
#include "documents.h"
#include "editor_hooks.h"
#include "file_failures.h"
#include "message_boxes.h"
#include "recent_files.h"
#include "shell_state.h"
#include "status_bar.h"
#include "text_files.h"
#include "texts.h"
#include "window_classes.h"

namespace {

const wchar_t OpenFilter[] = WIDE(TEXT_FILTER_TEXT_FILES) L"\0" WIDE(TEXT_FILTER_TEXT_PATTERN) L"\0"
    WIDE(TEXT_FILTER_ALL_FILES) L"\0" WIDE(TEXT_FILTER_ALL_PATTERN) L"\0";

// The Save As dialog's types, one for each encoding, in the order of SaveEncodings.
const wchar_t SaveFilter[] = WIDE(TEXT_FILTER_SAVE_UTF8) L"\0" WIDE(TEXT_FILTER_ALL_PATTERN) L"\0"
    WIDE(TEXT_FILTER_SAVE_UTF8_BOM) L"\0" WIDE(TEXT_FILTER_ALL_PATTERN) L"\0"
    WIDE(TEXT_FILTER_SAVE_UTF16_LE) L"\0" WIDE(TEXT_FILTER_ALL_PATTERN) L"\0"
    WIDE(TEXT_FILTER_SAVE_UTF16_BE) L"\0" WIDE(TEXT_FILTER_ALL_PATTERN) L"\0"
    WIDE(TEXT_FILTER_SAVE_ANSI) L"\0" WIDE(TEXT_FILTER_ALL_PATTERN) L"\0";
const TextEncoding SaveEncodings[] = {EncodingUtf8, EncodingUtf8Bom, EncodingUtf16Le, EncodingUtf16Be, EncodingAnsi};
const int SaveEncodingCount = sizeof(SaveEncodings) / sizeof(SaveEncodings[0]);

void PrepareFileDialog(OPENFILENAMEW* dialog, HWND owner, const wchar_t* filter, wchar_t* nameBuffer, DWORD flags)
{
    ZeroMemory(dialog, sizeof(*dialog));
    dialog->lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    dialog->hwndOwner = owner;
    dialog->lpstrFilter = filter;
    dialog->nFilterIndex = 1;
    dialog->lpstrFile = nameBuffer;
    dialog->nMaxFile = MAX_PATH;
    dialog->Flags = flags;
    dialog->lpstrDefExt = WIDE(TEXT_DEFAULT_EXTENSION);
}

// The folder a file dialog starts in: the document's own, or the user's Documents folder for a document
// without a file (a shortcut starts the program in its own folder, which holds no texts).
void StartingFolderOf(HWND document, wchar_t* folder)
{
    folder[0] = L'\0';
    const wchar_t* path = document != nullptr ? FileOfDocument(document).path : L"";
    const wchar_t* lastSeparator = std::wcsrchr(path, L'\\');
    if (lastSeparator != nullptr) {
        // A file at the top of a drive keeps the separator: "C:\" is a folder, "C:" is not.
        size_t length = static_cast<size_t>(lastSeparator - path);
        bool atTheTop = length == 2 && path[1] == L':';
        lstrcpynW(folder, path, static_cast<int>(length + (atTheTop ? 2 : 1)));
        return;
    }
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, folder)))
        folder[0] = L'\0';
}

HWND EditOf(HWND document)
{
    return GetDlgItem(document, DocumentEditId);
}

// The document now stands for the file: its title, the status bar and the recent files say so.
void ShowDocumentFile(HWND document, const wchar_t* status)
{
    const wchar_t* path = FileOfDocument(document).path;
    SetStatusTexts(status, path);
    SetDocumentTitle(document, path);
    AddRecentFile(path);
    CaretMayHaveMoved();   // the status bar names the file's encoding and line ends
}

// What the open found that the user should know before a save changes the file.
void ShowOpenedFileNotes(HWND document, const wchar_t* name, const OpenedFileNotes& notes)
{
    if (notes.heldZeroCharacters)
        ShowMessageBox(document, WIDE(TEXT_ZERO_BYTES_AS_BLANKS), name, MB_ICONWARNING);
    if (notes.ansiNotExact)
        ShowMessageBox(document, WIDE(TEXT_ANSI_NOT_EXACT), name, MB_ICONWARNING);
}

// Before a save in the ANSI code page: a character that it cannot hold is named, and the user may take
// UTF-8 instead. False when the file is not to be saved.
bool AgreeOnEncoding(HWND document, DocumentFile& target)
{
    if (target.encoding != EncodingAnsi)
        return true;
    DocumentTextCopy text(EditOf(document));
    int index = 0;
    unsigned codePoint = 0;
    if (!text.IsValid() || !FindCharacterOutsideAnsi(text.Text(), text.Length(), index, codePoint))
        return true;
    wchar_t character[3] = {text.Text()[index], L'\0', L'\0'};
    if (codePoint > 0xFFFF)
        character[1] = text.Text()[index + 1];
    const int questionSize = 512;
    wchar_t question[questionSize];
    StringCchPrintfW(question, questionSize, WIDE(TEXT_NOT_IN_ANSI), character, codePoint);
    if (ShowMessageBox(document, question, WIDE(TEXT_MESSAGE_CAPTION), MB_YESNO | MB_ICONWARNING) != IDYES)
        return false;
    target.encoding = EncodingUtf8;
    return true;
}

// Writes the document into the named file in the encoding; on success the document carries that name.
bool SaveToFile(HWND document, const wchar_t* name, TextEncoding encoding)
{
    DocumentFile target = FileOfDocument(document);
    target.encoding = encoding;
    if (!AgreeOnEncoding(document, target))
        return false;
    if (!SaveTextFile(EditOf(document), name, target)) {
        DWORD error = GetLastError();
        ShowFailureWithReason(document, SaveFailureFormat(error), name, error, WIDE(TEXT_MESSAGE_CAPTION),
                              MB_ICONERROR);
        return false;
    }
    DWORD fullLength = GetFullPathNameW(name, MAX_PATH, target.path, nullptr);
    if (fullLength == 0 || fullLength >= MAX_PATH)
        StringCchCopyW(target.path, MAX_PATH, name);
    FileOfDocument(document) = target;
    ShowDocumentFile(document, WIDE(TEXT_STATUS_SAVED));
    return true;
}

// The document other than `except` that shows the named file (its full path, in any letter case), or null.
HWND DocumentShowingFile(const wchar_t* name, HWND except)
{
    wchar_t full[MAX_PATH];
    DWORD length = GetFullPathNameW(name, MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    for (HWND window = GetWindow(hMDIClient, GW_CHILD); window != nullptr; window = GetWindow(window, GW_HWNDNEXT)) {
        wchar_t className[64] = L"";
        GetClassNameW(window, className, 64);
        if (window == except || lstrcmpW(className, WIDE(DOCUMENT_CLASS_NAME)) != 0)
            continue;
        if (lstrcmpiW(FileOfDocument(window).path, full) == 0)
            return window;
    }
    return nullptr;
}

// Two windows of one file would each save over the other's changes: the one there comes to the front.
void BringToFront(HWND document)
{
    if (IsIconic(document))
        SendMessageW(hMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(document), 0);
    SendMessageW(hMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(document), 0);
}

int SaveFilterIndexOf(TextEncoding encoding)
{
    for (int i = 0; i < SaveEncodingCount; i++)
        if (SaveEncodings[i] == encoding)
            return i + 1;
    return 1;
}

} // namespace

bool LoadFileIntoNewDocument(HWND document, const wchar_t* name)
{
    HWND showing = DocumentShowingFile(name, document);
    if (showing != nullptr) {
        DiscardDocument(document);
        BringToFront(showing);
        return true;
    }
    OpenedFileNotes notes = {};
    if (LoadTextFile(EditOf(document), name, FileOfDocument(document), notes)) {
        ShowDocumentFile(document, WIDE(TEXT_STATUS_OPENED));
        ShowOpenedFileNotes(document, name, notes);
        return true;
    }
    DWORD error = GetLastError();
    // The document was made for this file alone: a failed open leaves no empty window behind.
    DiscardDocument(document);
    ShowFailureWithReason(hMainWindow, WIDE(TEXT_OPEN_FAILED), name, error, WIDE(TEXT_MESSAGE_CAPTION), MB_ICONERROR);
    return false;
}

bool OpenFileInNewDocument(const wchar_t* name)
{
    HWND document = CreateDocumentWindow(hMDIClient);
    return document != nullptr && LoadFileIntoNewDocument(document, name);
}

void OpenDocumentFile(HWND document, HWND previous)
{
    if (openFromCommandLine == 0)
        pendingFileName[0] = L'\0';
    OPENFILENAMEW dialog;
    PrepareFileDialog(&dialog, document, OpenFilter, pendingFileName,
                      OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY);
    wchar_t folder[MAX_PATH];
    StartingFolderOf(previous, folder);
    dialog.lpstrInitialDir = folder;

    if (openFromCommandLine == 1) {
        openFromCommandLine = 0;
        if (pendingFileName[0] != L'\0') {
            LoadFileIntoNewDocument(document, pendingFileName);
            return;
        }
    }
    // Cancel leaves the new empty document.
    if (ShowOpenFileDialog(&dialog))
        LoadFileIntoNewDocument(document, pendingFileName);
}

bool SaveDocument(HWND document)
{
    const DocumentFile& file = FileOfDocument(document);
    if (file.path[0] == L'\0')
        return SaveDocumentAs(document);
    wchar_t path[MAX_PATH];
    StringCchCopyW(path, MAX_PATH, file.path);
    return SaveToFile(document, path, file.encoding);
}

bool SaveDocumentAs(HWND document)
{
    const DocumentFile& file = FileOfDocument(document);
    wchar_t name[MAX_PATH] = {};
    OPENFILENAMEW dialog;
    PrepareFileDialog(&dialog, document, SaveFilter, name,
                      OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    dialog.nFilterIndex = static_cast<DWORD>(SaveFilterIndexOf(file.encoding));
    StringCchCopyW(name, MAX_PATH, file.path[0] != L'\0' ? file.path : L" ");
    wchar_t folder[MAX_PATH];
    StartingFolderOf(document, folder);
    dialog.lpstrInitialDir = folder;
    if (!ShowSaveFileDialog(&dialog))
        return false;
    int chosen = static_cast<int>(dialog.nFilterIndex);
    TextEncoding encoding = chosen >= 1 && chosen <= SaveEncodingCount ? SaveEncodings[chosen - 1] : file.encoding;
    return SaveToFile(document, name, encoding);
}
