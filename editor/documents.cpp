#include "documents.h"

#include <strsafe.h>

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
    return SendDlgItemMessageW(document, DocumentEditId, EM_GETMODIFY, 0, 0) != 0;
}

bool AttachDocumentFile(HWND document)
{
    DocumentFile* file = static_cast<DocumentFile*>(HeapAlloc(GetProcessHeap(), 0, sizeof(DocumentFile)));
    if (file == nullptr)
        return false;
    StartNewDocumentFile(*file);
    SetWindowLongPtrW(document, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(file));
    return true;
}

void DetachDocumentFile(HWND document)
{
    void* file = reinterpret_cast<void*>(SetWindowLongPtrW(document, GWLP_USERDATA, 0));
    if (file != nullptr)
        HeapFree(GetProcessHeap(), 0, file);
}

DocumentFile& FileOfDocument(HWND document)
{
    DocumentFile* file = reinterpret_cast<DocumentFile*>(GetWindowLongPtrW(document, GWLP_USERDATA));
    if (file != nullptr)
        return *file;
    // A window that is no document (or one whose record could not be made) has no file.
    static DocumentFile none;
    StartNewDocumentFile(none);
    return none;
}

HWND CreateDocumentWindow(HWND mdiClient)
{
    MDICREATESTRUCTW create = {};
    create.szClass = WIDE(DOCUMENT_CLASS_NAME);
    create.szTitle = WIDE(TEXT_UNTITLED);
    create.hOwner = GetModuleHandleW(nullptr);
    create.x = CW_USEDEFAULT;
    create.y = CW_USEDEFAULT;
    create.cx = 850;
    create.cy = 500;
    HWND document = reinterpret_cast<HWND>(SendMessageW(mdiClient, WM_MDICREATE, 0,
                                                        reinterpret_cast<LPARAM>(&create)));
    WindowCreated(document, mdiClient, TEXT_CHILD_CREATION_FAILED, TEXT_CAPTION_OH_OH, MB_ICONEXCLAMATION);
    return document;
}

bool QuerySaveChanges(HWND document)
{
    wchar_t name[MAX_PATH] = L"";
    if (GetWindowTextW(document, name, MAX_PATH) == 0)
        lstrcpynW(name, WIDE(TEXT_UNTITLED), MAX_PATH);
    const int questionSize = MAX_PATH + sizeof(TEXT_SAVE_CHANGES);
    wchar_t question[questionSize];
    StringCchPrintfW(question, questionSize, WIDE(TEXT_SAVE_CHANGES), name);
    if (ShowMessageBox(document, question, WIDE(TEXT_MESSAGE_CAPTION), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    SendMessageW(document, WM_COMMAND, IDM_FILE_SAVEAS, 0);
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
        SendMessageW(hMDIClient, WM_MDINEXT, 0, 0);
    // The MDI client destroys its own children: a child destroyed behind its back stays its "active"
    // window, and commands and counts would then go to a window that no longer exists.
    SendMessageW(hMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(document), 0);
    // With no document left, the status bar names no file.
    if (ActiveDocument() == nullptr)
        SetStatusTexts(WIDE(TEXT_STATUS_VERSION), L"");
    CaretMayHaveMoved();
}

void SetDocumentTitle(HWND document, const wchar_t* title)
{
    SetWindowTextW(document, title);
    // The MDI client lists the documents in the Window menu and takes new titles only when asked.
    SendMessageW(hMDIClient, WM_MDIREFRESHMENU, 0, 0);
    DrawMenuBar(hMainWindow);
}

int32_t CountDocuments(HWND mdiClient)
{
    HWND first = reinterpret_cast<HWND>(SendMessageW(mdiClient, WM_MDIGETACTIVE, 0, 0));
    if (first == nullptr)
        return 0;
    int32_t count = 1;
    for (;;) {
        SendMessageW(mdiClient, WM_MDINEXT, 0, 0);
        HWND active = reinterpret_cast<HWND>(SendMessageW(mdiClient, WM_MDIGETACTIVE, 0, 0));
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
        SendMessageW(hMDIClient, WM_MDINEXT, 0, 0);
    }
    SendMessageW(frame, WM_DESTROY, 0, 0);
}
