#include "documents.h"

#include <cstdio>

#include "caret_position.h"
#include "editor_hooks.h"
#include "menu_enabling.h"
#include "resource_ids.h"
#include "shell_state.h"
#include "status_bar.h"
#include "show_message.h"
#include "texts.h"
#include "window_classes.h"

static bool HasChanges(HWND document)
{
    return SendDlgItemMessageA(document, DocumentEditId, EM_GETMODIFY, 0, 0) != 0;
}

HWND CreateDocumentWindow(HWND mdiClient)
{
    MDICREATESTRUCTA create = {};
    create.szClass = DOCUMENT_CLASS_NAME;
    create.szTitle = TEXT_UNTITLED;
    create.hOwner = GetModuleHandleA(nullptr);
    create.x = CW_USEDEFAULT;
    create.y = CW_USEDEFAULT;
    create.cx = 850;
    create.cy = 500;
    HWND document = reinterpret_cast<HWND>(SendMessageA(mdiClient, WM_MDICREATE, 0,
                                                        reinterpret_cast<LPARAM>(&create)));
    WindowCreated(document, mdiClient, TEXT_CHILD_CREATION_FAILED, TEXT_CAPTION_OH_OH, MB_ICONEXCLAMATION);
    return document;
}

bool QuerySaveChanges(HWND document)
{
    char name[260] = "";
    if (GetWindowTextA(document, name, sizeof(name)) == 0)
        lstrcpynA(name, TEXT_UNTITLED, sizeof(name));
    char question[sizeof(name) + sizeof(TEXT_SAVE_CHANGES)];
    std::snprintf(question, sizeof(question), TEXT_SAVE_CHANGES, name);
    if (ShowMessageBox(document, question, TEXT_MESSAGE_CAPTION, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    SendMessageA(document, WM_COMMAND, IDM_FILE_SAVEAS, 0);
    return true;
}

void CloseActiveDocument()
{
    HWND document = ActiveDocument();
    if (document == nullptr)
        return;
    if (HasChanges(document) && QuerySaveChanges(document))
        return;
    DiscardDocument(document);
}

void DiscardDocument(HWND document)
{
    GrayClosingDocumentMenus();
    if (ActiveDocument() != nullptr)
        SendMessageA(hMDIClient, WM_MDINEXT, 0, 0);
    // The MDI client destroys its own children: a child destroyed behind its back stays its "active"
    // window, and commands and counts would then go to a window that no longer exists.
    SendMessageA(hMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(document), 0);
    // With no document left, the status bar names no file.
    if (ActiveDocument() == nullptr)
        SetStatusTexts(TEXT_STATUS_VERSION, "");
    CaretMayHaveMoved();
}

void SetDocumentTitle(HWND document, const char* title)
{
    SetWindowTextA(document, title);
    // The MDI client lists the documents in the Window menu and takes new titles only when asked.
    SendMessageA(hMDIClient, WM_MDIREFRESHMENU, 0, 0);
    DrawMenuBar(hMainWindow);
}

int32_t CountDocuments(HWND mdiClient)
{
    HWND first = reinterpret_cast<HWND>(SendMessageA(mdiClient, WM_MDIGETACTIVE, 0, 0));
    if (first == nullptr)
        return 0;
    int32_t count = 1;
    for (;;) {
        SendMessageA(mdiClient, WM_MDINEXT, 0, 0);
        HWND active = reinterpret_cast<HWND>(SendMessageA(mdiClient, WM_MDIGETACTIVE, 0, 0));
        if (active == first || active == nullptr)
            break;
        count++;
    }
    return count;
}

void QueryExit(HWND frame)
{
    int32_t count = CountDocuments(hMDIClient);
    for (int32_t i = 0; i < count; i++) {
        HWND document = ActiveDocument();
        if (document != nullptr && HasChanges(document) && QuerySaveChanges(document))
            return;
        SendMessageA(hMDIClient, WM_MDINEXT, 0, 0);
    }
    SendMessageA(frame, WM_DESTROY, 0, 0);
}
