#include "file_commands.h"

#include "file_dialogs.h"
#include "frame_window.h"
#include "shell_state.h"
#include "text_files.h"
#include "texts.h"
#include "ui_seam.h"

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
    SetWindowTextA(document, name);
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
            if (LoadTextFile(EditOf(document), pendingFileName))
                ShowOpenedFile(document, pendingFileName);
            else
                ShowMessageBox(document, TEXT_COULD_NOT_OPEN, pendingFileName, MB_ICONERROR);
            return;
        }
    }
    if (ShowOpenFileDialog(&dialog) && LoadTextFile(EditOf(document), pendingFileName))
        ShowOpenedFile(document, pendingFileName);
}

void SaveDocumentAs(HWND document)
{
    char name[MAX_PATH] = {};
    OPENFILENAMEA dialog;
    PrepareFileDialog(&dialog, document, name,
                      OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    if (GetWindowTextA(document, name, sizeof(name)) > 0 && lstrcmpA(name, TEXT_UNTITLED) == 0)
        lstrcpyA(name, " ");
    if (!ShowSaveFileDialog(&dialog))
        return;
    if (SaveTextFile(EditOf(document), name)) {
        SetStatusTexts(TEXT_STATUS_SAVED, name);
        SetWindowTextA(document, name);
    }
}
