#include "documents.h"

#include <strsafe.h>

#include "caret_position.h"
#include "editor_hooks.h"
#include "file_commands.h"
#include "menu_enabling.h"
#include "message_boxes.h"
#include "resource_ids.h"
#include "shell_state.h"
#include "status_bar.h"
#include "texts.h"
#include "window_classes.h"

static bool HasChanges(HWND document)
{
    return SendDlgItemMessageW(document, DocumentEditId, EM_GETMODIFY, 0, 0) != 0;
}

bool AttachDocumentRecord(HWND document)
{
    DocumentRecord* record = static_cast<DocumentRecord*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(DocumentRecord)));
    if (record == nullptr)
        return false;
    StartNewDocumentFile(record->file);
    SetWindowLongPtrW(document, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(record));
    return true;
}

void DetachDocumentRecord(HWND document)
{
    DocumentRecord* record = reinterpret_cast<DocumentRecord*>(SetWindowLongPtrW(document, GWLP_USERDATA, 0));
    if (record == nullptr)
        return;
    FreeHistory(record->history);
    HeapFree(GetProcessHeap(), 0, record);
}

DocumentRecord* RecordOfDocument(HWND document)
{
    return reinterpret_cast<DocumentRecord*>(GetWindowLongPtrW(document, GWLP_USERDATA));
}

DocumentFile& FileOfDocument(HWND document)
{
    DocumentRecord* record = RecordOfDocument(document);
    if (record != nullptr)
        return record->file;
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

bool MayCloseDocument(HWND document)
{
    wchar_t name[MAX_PATH] = L"";
    if (GetWindowTextW(document, name, MAX_PATH) == 0)
        lstrcpynW(name, WIDE(TEXT_UNTITLED), MAX_PATH);
    const int questionSize = MAX_PATH + sizeof(TEXT_SAVE_CHANGES);
    wchar_t question[questionSize];
    StringCchPrintfW(question, questionSize, WIDE(TEXT_SAVE_CHANGES), name);
    switch (ShowMessageBox(document, question, WIDE(TEXT_MESSAGE_CAPTION), MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES: return SaveDocument(document);
    case IDNO: return true;
    }
    return false;
}

void CloseActiveDocument()
{
    HWND document = ActiveDocument();
    if (document == nullptr)
        return;
    if (HasChanges(document) && !MayCloseDocument(document))
        return;
    DiscardDocument(document);
}

void DiscardDocument(HWND document)
{
    RemoveRecoveryCopy(document);
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

void ForEachDocument(void (*action)(HWND document))
{
    if (hMDIClient == nullptr)
        return;
    for (HWND child = GetWindow(hMDIClient, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[64] = L"";
        GetClassNameW(child, className, 64);
        if (lstrcmpW(className, WIDE(DOCUMENT_CLASS_NAME)) == 0)
            action(child);
    }
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

// Offers each changed document in turn; false when the user cancels or a save does not go through.
static bool OfferChangedDocuments()
{
    int32_t count = CountDocuments(hMDIClient);
    for (int32_t i = 0; i < count; i++) {
        HWND document = ActiveDocument();
        if (document != nullptr && HasChanges(document) && !MayCloseDocument(document))
            return false;
        SendMessageW(hMDIClient, WM_MDINEXT, 0, 0);
    }
    return true;
}

void QueryExit(HWND frame)
{
    if (!OfferChangedDocuments())
        return;
    RemoveRecoveryCopies();
    SendMessageW(frame, WM_DESTROY, 0, 0);
}

bool QueryEndSession()
{
    // The session may end without another word from the system: the copies are written first.
    WriteRecoveryCopies();
    return OfferChangedDocuments();
}
