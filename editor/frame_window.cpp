#include "frame_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include "about_box.h"
#include "caret_position.h"
#include "documents.h"
#include "editor_hooks.h"
#include "file_commands.h"
#include "find_replace.h"
#include "fonts.h"
#include "frame_placement.h"
#include "menu_enabling.h"
#include "message_boxes.h"
#include "page_setup.h"
#include "print_preview.h"
#include "printing.h"
#include "recent_files.h"
#include "recovery.h"
#include "resource_ids.h"
#include "shell_state.h"
#include "spelling_switch.h"
#include "status_bar.h"
#include "texts.h"

static void CreateMDIClient(HWND frame, HINSTANCE instance)
{
    CLIENTCREATESTRUCT clientCreate = {};
    clientCreate.hWindowMenu = GetSubMenu(GetMenu(frame), MENU_POSITION_WINDOW);
    clientCreate.idFirstChild = FirstDocumentId;
    hMDIClient = CreateWindowExW(WS_EX_CLIENTEDGE, L"mdiclient", nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, frame,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(FrameMDIClientId)),
                                 instance, &clientCreate);
    WindowCreated(hMDIClient, frame, TEXT_MDI_CLIENT_FAILED, TEXT_CAPTION_ERROR, MB_ICONERROR);
}

static void CreateToolbar(HWND frame, HINSTANCE instance)
{
    HWND toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, frame,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(FrameToolbarId)), instance,
                                   nullptr);
    if (!WindowCreated(toolbar, frame, TEXT_TOOLBAR_FAILED, TEXT_CAPTION_ERROR, MB_ICONERROR))
        return;

    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBADDBITMAP standardImages = {HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    SendMessageW(toolbar, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&standardImages));
    TBADDBITMAP spellingImage = {instance, IDB_SPELLING};
    int spelling = static_cast<int>(
        SendMessageW(toolbar, TB_ADDBITMAP, 1, reinterpret_cast<LPARAM>(&spellingImage)));

    // The file and search buttons, then the spelling check apart from them.
    const int images[] = {STD_FILENEW, STD_FILEOPEN, STD_FILESAVE, STD_PRINT, STD_FIND, STD_REPLACE, 0, spelling};
    const int commands[] = {IDM_FILE_NEW,      IDM_FILE_OPEN,    IDM_FILE_SAVE, IDM_FILE_PRINT,
                            IDM_EDIT_FINDNEXT, IDM_EDIT_REPLACE, 0,             IDM_TOOLS_SPELLING};
    const int buttonCount = sizeof(commands) / sizeof(commands[0]);
    TBBUTTON buttons[buttonCount] = {};
    for (int i = 0; i < buttonCount; i++) {
        buttons[i].iBitmap = images[i];
        buttons[i].idCommand = commands[i];
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = commands[i] != 0 ? TBSTYLE_BUTTON : TBSTYLE_SEP;
    }
    SendMessageW(toolbar, TB_ADDBUTTONSW, buttonCount, reinterpret_cast<LPARAM>(buttons));
}

static void CreateStatusBar(HWND frame, HINSTANCE instance)
{
    HWND statusBar = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0,
                                     0, 0, frame,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(FrameStatusBarId)),
                                     instance, nullptr);
    if (!WindowCreated(statusBar, frame, TEXT_STATUS_BAR_FAILED, TEXT_CAPTION_ERROR, MB_ICONERROR))
        return;
    SetStatusParts(statusBar);
    SendMessageW(statusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(WIDE(TEXT_STATUS_VERSION)));
}

static void OnCreate(HWND frame, const CREATESTRUCTW* create)
{
    CreateMDIClient(frame, create->hInstance);
    hAppInstance = create->hInstance;
    CreateToolbar(frame, create->hInstance);
    CreateStartingFont();
    CreateStatusBar(frame, create->hInstance);
    LoadRecentFiles(frame);
    LoadSpellingAsYouType(frame);
    DragAcceptFiles(frame, TRUE);
    findMessageId = RegisterWindowMessageW(FINDMSGSTRINGW);
}

static int WindowHeight(HWND window)
{
    RECT rect = {};
    if (window != nullptr)
        GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

static void LayOutChildren(HWND frame)
{
    HWND toolbar = GetDlgItem(frame, FrameToolbarId);
    SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);
    int toolbarHeight = WindowHeight(toolbar);

    HWND statusBar = GetDlgItem(frame, FrameStatusBarId);
    SendMessageW(statusBar, WM_SIZE, 0, 0);
    if (statusBar != nullptr)
        SetStatusParts(statusBar);
    int statusHeight = WindowHeight(statusBar);

    RECT client;
    GetClientRect(frame, &client);
    SetWindowPos(GetDlgItem(frame, FrameMDIClientId), nullptr, 0, toolbarHeight, client.right,
                 client.bottom - toolbarHeight - statusHeight, SWP_NOZORDER);
}

static void NewCommand()
{
    CreateDocumentWindow(hMDIClient);
}

static void OpenCommand()
{
    HWND previous = ActiveDocument();
    HWND document = CreateDocumentWindow(hMDIClient);
    if (document != nullptr)
        OpenDocumentFile(document, previous);
}

// Files dropped on the frame (or on a window in it): each opens in a document of its own.
static void OpenDroppedFiles(HDROP drop)
{
    const UINT allFiles = 0xFFFFFFFF;
    UINT count = DragQueryFileW(drop, allFiles, nullptr, 0);
    for (UINT i = 0; i < count; i++) {
        wchar_t name[MAX_PATH] = L"";
        bool fits = DragQueryFileW(drop, i, nullptr, 0) < MAX_PATH;
        DragQueryFileW(drop, i, name, MAX_PATH);
        if (fits)
            OpenFileInNewDocument(name);
        else
            ShowFailureWithReason(hMainWindow, WIDE(TEXT_OPEN_FAILED), name, ERROR_FILENAME_EXCED_RANGE,
                                  WIDE(TEXT_MESSAGE_CAPTION), MB_ICONERROR);
    }
    DragFinish(drop);
}

// File > 1 to 4: a listed file that is no longer there leaves the list, after the message that it could
// not be opened.
static void OpenRecentFileCommand(int index)
{
    wchar_t name[MAX_PATH];
    if (RecentFileName(index, name) && !OpenFileInNewDocument(name))
        ForgetRecentFileIfGone(name);
}

static void HelpCommand(HWND frame)
{
    ShowMessageBox(frame, TEXT_HELP_NOT_AVAILABLE, TEXT_MESSAGE_CAPTION, MB_ICONEXCLAMATION);
}

static void ForwardToActiveDocument(WPARAM wParam, LPARAM lParam)
{
    HWND document = ActiveDocument();
    if (document != nullptr)
        SendMessageW(document, WM_COMMAND, wParam, lParam);
}

static LRESULT OnCommand(HWND frame, WPARAM wParam, LPARAM lParam)
{
    int command = LOWORD(wParam);
    switch (command) {
    case IDM_FILE_EXIT: QueryExit(frame); break;
    case IDM_FILE_NEW: NewCommand(); break;
    case IDM_FILE_OPEN: OpenCommand(); break;
    case IDM_FILE_PRINT: PrintActiveDocument(frame); break;
    case IDM_FILE_PAGESETUP: PageSetupCommand(frame); break;
    case IDM_FILE_PRINTPREVIEW: PrintPreviewCommand(frame); break;
    case IDM_WINDOW_CASCADE: SendMessageW(hMDIClient, WM_MDICASCADE, 0, 0); break;
    case IDM_WINDOW_TILE: SendMessageW(hMDIClient, WM_MDITILE, 0, 0); break;
    case IDM_FILE_CLOSE: CloseActiveDocument(); break;
    case IDM_FORMAT_FONT: FormatFontCommand(frame); break;
    case IDM_FORMAT_DEFAULTGUIFONT: FormatDefaultGuiFontCommand(frame); break;
    case IDM_FORMAT_TIMESNEWROMAN: FormatTimesNewRomanCommand(frame); break;
    case IDM_HELP_HELP: HelpCommand(frame); break;
    case IDM_HELP_ABOUT: ShowAboutBox(frame); break;
    case IDM_TOOLS_SPELLING_AS_YOU_TYPE: ToggleSpellingAsYouType(frame); break;
    default:
        if (command >= IDM_FILE_RECENT_FIRST && command < IDM_FILE_RECENT_FIRST + RecentFileCount)
            OpenRecentFileCommand(command - IDM_FILE_RECENT_FIRST);
        else if (command >= FirstDocumentId)
            return DefFrameProcW(frame, hMDIClient, WM_COMMAND, wParam, lParam);
        else
            ForwardToActiveDocument(wParam, lParam);
        break;
    }
    return 0;
}

LRESULT CALLBACK FrameWindowProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (findMessageId != 0 && message == findMessageId)
        return HandleFindRequest(ActiveDocument(), lParam);
    switch (message) {
    case WM_CREATE:
        OnCreate(frame, reinterpret_cast<const CREATESTRUCTW*>(lParam));
        return 0;
    case WM_SIZE:
        LayOutChildren(frame);
        return 0;
    case WM_COMMAND:
        return OnCommand(frame, wParam, lParam);
    case WM_CLOSE:
        QueryExit(frame);
        return 0;
    case WM_DROPFILES:
        OpenDroppedFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case ShowCaretPositionMessage:
        ShowCaretPosition();
        return 0;
    case WM_TIMER:
        if (wParam == RecoveryTimerId)
            OnRecoveryTimer();
        return 0;
    case WM_QUERYENDSESSION:
        return QueryEndSession() ? TRUE : FALSE;
    case WM_ENDSESSION:
        // The process may be ended at any moment after this: the copies of unsaved work stay.
        if (wParam != FALSE)
            WriteRecoveryCopies();
        return 0;
    case WM_DESTROY:
        StopRecovery();
        RememberFramePlacement(frame);
        ReleaseEditorFonts();
        PostQuitMessage(0);
        return 0;
    }
    return DefFrameProcW(frame, hMDIClient, message, wParam, lParam);
}
