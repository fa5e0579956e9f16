#include "file_commands.h"

#include "documents.h"
#include "editor_hooks.h"
#include "file_failures.h"
#include "recent_files.h"
#include "shell_state.h"
#include "status_bar.h"
#include "text_files.h"
#include "texts.h"

static const char FileFilter[] = TEXT_FILTER_TEXT_FILES "\0" TEXT_FILTER_TEXT_PATTERN "\0" TEXT_FILTER_ALL_FILES
    "\0" TEXT_FILTER_ALL_PATTERN "\0";

static void PrepareFileDialog(OPENFILENAMEA* dialog, HWND owner, char* nameBuffer, DWORD flags)
{
    ZeroMemory(dialog, sizeof(*dialog));
    dialog->lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog->hwndOwner = owner;
    dialog->lpstrFilter = FileFilter;
    dialog->nFilterIndex = 1;
    dialog->lpstrFile = nameBuffer;
    dialog->nMaxFile = MAX_PATH;
    dialog->Flags = flags;
    dialog->lpstrDefExt = TEXT_DEFAULT_EXTENSION;
}

static HWND EditOf(HWND document)
{
    return GetDlgItem(document, DocumentEditId);
}

static void ShowOpenedFile(HWND document, const char* name)
{
    SetStatusTexts(TEXT_STATUS_OPENED, name);
    SetDocumentTitle(document, name);
    AddRecentFile(name);
}

bool LoadFileIntoNewDocument(HWND document, const char* name)
{
    DWORD openError = 0;
    if (LoadTextFile(EditOf(document), name, openError)) {
        ShowOpenedFile(document, name);
        return true;
    }
    // The document was made for this file alone: a failed open leaves no empty window behind.
    DiscardDocument(document);
    if (openError != 0)
        ShowOpenFailure(hMainWindow, name, openError);
    return false;
}

bool OpenFileInNewDocument(const char* name)
{
    HWND document = CreateDocumentWindow(hMDIClient);
    return document != nullptr && LoadFileIntoNewDocument(document, name);
}

void OpenDocumentFile(HWND document)
{
    if (openFromCommandLine == 0)
        pendingFileName[0] = '\0';
    OPENFILENAMEA dialog;
    PrepareFileDialog(&dialog, document, pendingFileName, OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY);

    if (openFromCommandLine == 1) {
        openFromCommandLine = 0;
        if (pendingFileName[0] != '\0') {
            LoadFileIntoNewDocument(document, pendingFileName);
            return;
        }
    }
    // Cancel leaves the new empty document.
    if (ShowOpenFileDialog(&dialog))
        LoadFileIntoNewDocument(document, pendingFileName);
}

// Writes the document into the named file; on success the document carries that name.
static void SaveToFile(HWND document, const char* name)
{
    if (!SaveTextFile(EditOf(document), name)) {
        ShowSaveFailure(document, name, GetLastError());
        return;
    }
    SetStatusTexts(TEXT_STATUS_SAVED, name);
    SetDocumentTitle(document, name);
    AddRecentFile(name);
}

void SaveDocument(HWND document)
{
    // The title is where the document keeps its file's name.
    char name[MAX_PATH] = "";
    if (GetWindowTextA(document, name, sizeof(name)) == 0 || lstrcmpA(name, TEXT_UNTITLED) == 0)
        SaveDocumentAs(document);
    else
        SaveToFile(document, name);
}

void SaveDocumentAs(HWND document)
{
    char name[MAX_PATH] = {};
    OPENFILENAMEA dialog;
    PrepareFileDialog(&dialog, document, name,
                      OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    if (GetWindowTextA(document, name, sizeof(name)) > 0 && lstrcmpA(name, TEXT_UNTITLED) == 0)
        lstrcpyA(name, " ");
    if (ShowSaveFileDialog(&dialog))
        SaveToFile(document, name);
}
