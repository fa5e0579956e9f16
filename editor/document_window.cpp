#include "document_window.h"

#include "caret_position.h"
#include "dictionary_launch.h"
#include "document_history.h"
#include "document_edit.h"
#include "documents.h"
#include "editor_hooks.h"
#include "file_commands.h"
#include "find_replace.h"
#include "go_to_line.h"
#include "menu_enabling.h"
#include "message_boxes.h"
#include "resource_ids.h"
#include "shell_state.h"
#include "spelling_command.h"
#include "texts.h"

static void OnCreate(HWND document)
{
    AttachDocumentRecord(document);
    HWND edit = CreateDocumentEdit(document);
    if (!WindowCreated(edit, document, TEXT_EDIT_BOX_FAILED, TEXT_CAPTION_ERROR, MB_ICONERROR))
        return;
    SendMessageW(edit, EM_LIMITTEXT, 0, 0);
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(hEditorFont), 0);
}

static void FitEditToClient(HWND document)
{
    RECT client;
    GetClientRect(document, &client);
    SetWindowPos(GetDlgItem(document, DocumentEditId), nullptr, 0, 0, client.right, client.bottom,
                 SWP_NOZORDER);
}

static void SendToEdit(HWND document, UINT message, WPARAM wParam, LPARAM lParam)
{
    SendDlgItemMessageW(document, DocumentEditId, message, wParam, lParam);
}

static void OnEditNotification(HWND document, int code)
{
    if (code == EN_ERRSPACE || code == EN_MAXTEXT)
        ShowMessageBox(document, TEXT_EDIT_OUT_OF_SPACE, TEXT_MESSAGE_CAPTION, MB_ICONERROR);
}

static void OnCommand(HWND document, WPARAM wParam, LPARAM lParam)
{
    if (lParam != 0 && LOWORD(wParam) == DocumentEditId) {
        OnEditNotification(document, HIWORD(wParam));
        return;
    }
    switch (LOWORD(wParam)) {
    case IDM_FILE_SAVE: SaveDocument(document); break;
    case IDM_FILE_SAVEAS: SaveDocumentAs(document); break;
    case IDM_EDIT_DELETE: SendToEdit(document, WM_CLEAR, 0, 0); break;
    case IDM_EDIT_UNDO: SendToEdit(document, WM_UNDO, 0, 0); break;
    case IDM_EDIT_REDO: RedoDocumentEdit(GetDlgItem(document, DocumentEditId)); break;
    case IDM_EDIT_CUT: SendToEdit(document, WM_CUT, 0, 0); break;
    case IDM_EDIT_COPY: SendToEdit(document, WM_COPY, 0, 0); break;
    case IDM_EDIT_PASTE: SendToEdit(document, WM_PASTE, 0, 0); break;
    case IDM_EDIT_SELECTALL: SendToEdit(document, EM_SETSEL, 0, -1); break;
    case IDM_EDIT_FIND: FindCommand(document); break;
    case IDM_EDIT_FINDNEXT: FindNextCommand(document); break;
    case IDM_EDIT_REPLACE: ReplaceCommand(document); break;
    case IDM_EDIT_GOTOLINE: GoToLineCommand(document); break;
    case IDM_TOOLS_SPELLING: SpellingCommand(document); break;
    case IDM_TOOLS_DICTIONARY: LaunchDictionary(document, DocumentEditId); break;
    }
}

LRESULT CALLBACK DocumentWindowProc(HWND document, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        OnCreate(document);
        return 0;
    case WM_SETFOCUS:
        SetFocus(GetDlgItem(document, DocumentEditId));
        FitEditToClient(document);
        return DefMDIChildProcW(document, message, wParam, lParam);
    case WM_SIZE:
        FitEditToClient(document);
        return DefMDIChildProcW(document, message, wParam, lParam);
    case WM_MDIACTIVATE:
        if (reinterpret_cast<HWND>(lParam) == document)
            EnableDocumentMenus();
        else
            GrayDocumentMenus();
        CaretMayHaveMoved();
        return 0;
    case WM_CLOSE:
        CloseActiveDocument();
        return 0;
    case WM_COMMAND:
        OnCommand(document, wParam, lParam);
        return 0;
    case WM_NCDESTROY:
        DetachDocumentRecord(document);
        break;
    }
    return DefMDIChildProcW(document, message, wParam, lParam);
}
