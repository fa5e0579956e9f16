#include "print_preview.h"

#include <cwchar>
#include <cwctype>

#include "editor_hooks.h"
#include "page_setup.h"
#include "print_layout.h"
#include "printing.h"
#include "shell_state.h"
#include "texts.h"

namespace {

// Pixels of the button row and of the grey space around the pages.
const int ButtonWidth = 96;
const int ButtonHeight = 24;
const int ButtonGap = 4;
const int BarHeight = ButtonHeight + 2 * ButtonGap;
const int PageGap = 16;
const int ShadowDepth = 4;
const int PageTextWidth = 220;
// Sizes of the pages, in percent of the size at which the pages shown fit the window.
const int ZoomPercents[] = {100, 150, 200, 300, 400};
const int ZoomCount = sizeof(ZoomPercents) / sizeof(ZoomPercents[0]);
const int ScrollLine = 32;

// The one preview there can be (the frame is disabled while it is open); handed to its window as the
// creation parameter.
struct PreviewState {
    HWND frame;
    HWND document;
    HDC printer;
    PrintLayout print;
    int firstPage;
    bool twoPages;
    int zoom;            // index into ZoomPercents
    int scrollX, scrollY;
};
PreviewState preview;
HWND hPreviewWindow = nullptr;
const wchar_t PagesClassName[] = L"PenmarPreviewPages";

PreviewState* StateOf(HWND window)
{
    return reinterpret_cast<PreviewState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

int PagesShown(const PreviewState& state)
{
    return state.twoPages && state.firstPage + 1 < state.print.pageCount ? 2 : 1;
}

// The window that shows the pages, below the buttons.
HWND PagesWindow(HWND window)
{
    return GetDlgItem(window, PreviewPagesWindowId);
}

RECT PageArea(HWND pages)
{
    RECT area;
    GetClientRect(pages, &area);
    return area;
}

// One page's size on the screen at the current zoom.
SIZE PageSize(HWND pages, const PreviewState& state)
{
    RECT area = PageArea(pages);
    int columns = state.twoPages ? 2 : 1;
    const PaperMetrics& paper = state.print.paper;
    int height = (area.bottom - area.top) - 2 * PageGap;
    int widthForHeight = MulDiv(height, paper.width, paper.height);
    int width = ((area.right - area.left) - (columns + 1) * PageGap) / columns;
    if (widthForHeight <= width)
        width = widthForHeight;
    else
        height = MulDiv(width, paper.height, paper.width);
    int percent = ZoomPercents[state.zoom];
    SIZE size = {MulDiv(width > 1 ? width : 1, percent, 100), MulDiv(height > 1 ? height : 1, percent, 100)};
    return size;
}

// Everything the pages take, gaps included.
SIZE ContentSize(HWND pages, const PreviewState& state)
{
    SIZE page = PageSize(pages, state);
    int columns = state.twoPages ? 2 : 1;
    SIZE content = {columns * page.cx + (columns + 1) * PageGap, page.cy + 2 * PageGap};
    return content;
}

// Where page `index` (0 or 1 of those shown) lies in the client area.
RECT PagePlace(HWND pages, const PreviewState& state, int index)
{
    RECT area = PageArea(pages);
    SIZE page = PageSize(pages, state);
    SIZE content = ContentSize(pages, state);
    int areaWidth = area.right - area.left;
    int areaHeight = area.bottom - area.top;
    int left = content.cx < areaWidth ? (areaWidth - content.cx) / 2 : -state.scrollX;
    int top = area.top + (content.cy < areaHeight ? (areaHeight - content.cy) / 2 : -state.scrollY);
    RECT place;
    place.left = left + PageGap + index * (page.cx + PageGap);
    place.top = top + PageGap;
    place.right = place.left + page.cx;
    place.bottom = place.top + page.cy;
    return place;
}

void UpdateScrollBars(HWND pages, PreviewState& state)
{
    RECT area = PageArea(pages);
    SIZE content = ContentSize(pages, state);
    int areaWidth = area.right - area.left;
    int areaHeight = area.bottom - area.top;
    int largestX = content.cx - areaWidth > 0 ? content.cx - areaWidth : 0;
    int largestY = content.cy - areaHeight > 0 ? content.cy - areaHeight : 0;
    state.scrollX = state.scrollX < largestX ? state.scrollX : largestX;
    state.scrollY = state.scrollY < largestY ? state.scrollY : largestY;
    SCROLLINFO info = {sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, content.cx - 1,
                       static_cast<UINT>(areaWidth), state.scrollX, 0};
    SetScrollInfo(pages, SB_HORZ, &info, TRUE);
    info.nMax = content.cy - 1;
    info.nPage = static_cast<UINT>(areaHeight);
    info.nPos = state.scrollY;
    SetScrollInfo(pages, SB_VERT, &info, TRUE);
}

// The buttons that can act are enabled; the text names the pages shown.
void UpdateControls(HWND window, PreviewState& state)
{
    int shown = PagesShown(state);
    EnableWindow(GetDlgItem(window, PreviewPreviousId), state.firstPage > 0);
    EnableWindow(GetDlgItem(window, PreviewNextId), state.firstPage + shown < state.print.pageCount);
    EnableWindow(GetDlgItem(window, PreviewPagesId), state.print.pageCount > 1);
    EnableWindow(GetDlgItem(window, PreviewZoomInId), state.zoom + 1 < ZoomCount);
    EnableWindow(GetDlgItem(window, PreviewZoomOutId), state.zoom > 0);
    SetDlgItemTextW(window, PreviewPagesId, state.twoPages ? WIDE(TEXT_PREVIEW_ONE_PAGE) : WIDE(TEXT_PREVIEW_TWO_PAGES));
    wchar_t pages[96];
    if (shown == 2)
        wsprintfW(pages, WIDE(TEXT_PREVIEW_PAGES), state.firstPage + 1, state.firstPage + 2, state.print.pageCount);
    else
        wsprintfW(pages, WIDE(TEXT_PREVIEW_PAGE), state.firstPage + 1, state.print.pageCount);
    SetDlgItemTextW(window, PreviewPageTextId, pages);
    UpdateScrollBars(PagesWindow(window), state);
    InvalidateRect(PagesWindow(window), nullptr, TRUE);
}

void DrawPage(HDC dc, const PreviewState& state, int page, const RECT& place)
{
    RECT shadow = place;
    OffsetRect(&shadow, ShadowDepth, ShadowDepth);
    FillRect(dc, &shadow, static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH)));
    FillRect(dc, &place, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FrameRect(dc, &place, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

    // The printer's dots mapped onto the page's place, the printable area's corner at 0, 0.
    int saved = SaveDC(dc);
    IntersectClipRect(dc, place.left + 1, place.top + 1, place.right - 1, place.bottom - 1);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, state.print.paper.width, state.print.paper.height, nullptr);
    SetViewportExtEx(dc, place.right - place.left, place.bottom - place.top, nullptr);
    SetWindowOrgEx(dc, -state.print.paper.printableLeft, -state.print.paper.printableTop, nullptr);
    SetViewportOrgEx(dc, place.left, place.top, nullptr);
    DrawPrintedPage(state.print, dc, page);
    RestoreDC(dc, saved);
}

void PaintPages(HWND pages)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(pages, &paint);
    PreviewState* state = StateOf(pages);
    RECT area = PageArea(pages);
    FillRect(dc, &area, GetSysColorBrush(COLOR_APPWORKSPACE));
    if (state != nullptr) {
        for (int i = 0; i < PagesShown(*state); ++i)
            DrawPage(dc, *state, state->firstPage + i, PagePlace(pages, *state, i));
    }
    EndPaint(pages, &paint);
}

HWND AddButton(HWND window, int id, const wchar_t* text, int& x)
{
    HWND button = CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x, ButtonGap,
                                  ButtonWidth, ButtonHeight, window,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                  nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    x += ButtonWidth + ButtonGap;
    return button;
}

void OnCreate(HWND window, const CREATESTRUCTW* create)
{
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    int x = ButtonGap;
    AddButton(window, PreviewPrintId, WIDE(TEXT_PREVIEW_PRINT), x);
    AddButton(window, PreviewPreviousId, WIDE(TEXT_PREVIEW_PREVIOUS), x);
    AddButton(window, PreviewNextId, WIDE(TEXT_PREVIEW_NEXT), x);
    AddButton(window, PreviewPagesId, WIDE(TEXT_PREVIEW_TWO_PAGES), x);
    AddButton(window, PreviewZoomInId, WIDE(TEXT_PREVIEW_ZOOM_IN), x);
    AddButton(window, PreviewZoomOutId, WIDE(TEXT_PREVIEW_ZOOM_OUT), x);
    AddButton(window, PreviewCloseId, WIDE(TEXT_PREVIEW_CLOSE), x);
    HWND pages = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE, x + ButtonGap,
                                 ButtonGap, PageTextWidth, ButtonHeight, window,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(PreviewPageTextId)),
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(pages, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    CreateWindowExW(WS_EX_CLIENTEDGE, PagesClassName, L"", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 0,
                    BarHeight, 0, 0, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(PreviewPagesWindowId)),
                    GetModuleHandleW(nullptr), create->lpCreateParams);
}

// The pages fill the window below the buttons.
void OnSize(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    int height = client.bottom - BarHeight;
    MoveWindow(PagesWindow(window), 0, BarHeight, client.right, height > 0 ? height : 0, TRUE);
    if (StateOf(window) != nullptr)
        UpdateControls(window, *StateOf(window));
}

// Closes the preview; the frame is enabled first, so that it becomes the active window again.
void ClosePreview(HWND window)
{
    PreviewState* state = StateOf(window);
    if (state != nullptr)
        EnableWindow(state->frame, TRUE);
    DestroyWindow(window);
}

void ShowPages(HWND window, PreviewState& state, int firstPage)
{
    int last = state.print.pageCount - 1;
    state.firstPage = firstPage < 0 ? 0 : (firstPage > last ? last : firstPage);
    UpdateControls(window, state);
}

void Zoom(HWND window, PreviewState& state, int step)
{
    int zoom = state.zoom + step;
    state.zoom = zoom < 0 ? 0 : (zoom >= ZoomCount ? ZoomCount - 1 : zoom);
    UpdateControls(window, state);
}

// Print... closes the preview and prints through the Print dialog, as File > Print does.
void PrintFromPreview(HWND window, PreviewState& state)
{
    HWND frame = state.frame;
    HWND document = state.document;
    ClosePreview(window);
    PrintDocumentWindow(frame, document);
}

void OnCommand(HWND window, int command)
{
    PreviewState* state = StateOf(window);
    if (state == nullptr)
        return;
    int step = state->twoPages ? 2 : 1;
    switch (command) {
    case PreviewPrintId: PrintFromPreview(window, *state); return;
    case PreviewPreviousId: ShowPages(window, *state, state->firstPage - step); break;
    case PreviewNextId: ShowPages(window, *state, state->firstPage + step); break;
    case PreviewPagesId:
        state->twoPages = !state->twoPages;
        ShowPages(window, *state, state->firstPage);
        break;
    case PreviewZoomInId: Zoom(window, *state, 1); break;
    case PreviewZoomOutId: Zoom(window, *state, -1); break;
    case PreviewCloseId: ClosePreview(window); return;
    }
    // The keys go on working after a button was clicked.
    SetFocus(PagesWindow(window));
}

void Scroll(HWND pages, int bar, int request)
{
    PreviewState* state = StateOf(pages);
    if (state == nullptr)
        return;
    SCROLLINFO info = {sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(pages, bar, &info);
    int position = info.nPos;
    switch (request) {
    case SB_LINEUP: position -= ScrollLine; break;
    case SB_LINEDOWN: position += ScrollLine; break;
    case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    default: return;
    }
    (bar == SB_HORZ ? state->scrollX : state->scrollY) = position < 0 ? 0 : position;
    UpdateScrollBars(pages, *state);
    InvalidateRect(pages, nullptr, TRUE);
}

void OnKey(HWND window, WPARAM key)
{
    PreviewState* state = StateOf(window);
    if (state == nullptr)
        return;
    switch (key) {
    case VK_NEXT: OnCommand(window, PreviewNextId); break;
    case VK_PRIOR: OnCommand(window, PreviewPreviousId); break;
    case VK_HOME: ShowPages(window, *state, 0); break;
    case VK_END: ShowPages(window, *state, state->print.pageCount - PagesShown(*state)); break;
    case VK_ADD:
    case VK_OEM_PLUS: OnCommand(window, PreviewZoomInId); break;
    case VK_SUBTRACT:
    case VK_OEM_MINUS: OnCommand(window, PreviewZoomOutId); break;
    case VK_UP: Scroll(PagesWindow(window), SB_VERT, SB_LINEUP); break;
    case VK_DOWN: Scroll(PagesWindow(window), SB_VERT, SB_LINEDOWN); break;
    case VK_LEFT: Scroll(PagesWindow(window), SB_HORZ, SB_LINEUP); break;
    case VK_RIGHT: Scroll(PagesWindow(window), SB_HORZ, SB_LINEDOWN); break;
    case VK_ESCAPE: ClosePreview(window); break;
    }
}

// Alt and a button's underlined letter press that button, as in a dialog; false for no such button.
bool PressButtonOf(HWND window, wchar_t letter)
{
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t text[64] = L"";
        GetWindowTextW(child, text, 64);
        const wchar_t* mark = wcschr(text, L'&');
        if (mark != nullptr && towupper(mark[1]) == towupper(letter) && IsWindowEnabled(child)) {
            OnCommand(window, GetDlgCtrlID(child));
            return true;
        }
    }
    return false;
}

void OnDestroy(HWND window)
{
    PreviewState* state = StateOf(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (state != nullptr) {
        EnableWindow(state->frame, TRUE);
        ClosePrintLayout(state->print);
        if (state->printer != nullptr)
            DeleteDC(state->printer);
        state->printer = nullptr;
    }
    hPreviewWindow = nullptr;
}

LRESULT CALLBACK PrintPreviewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        OnCreate(window, reinterpret_cast<const CREATESTRUCTW*>(lParam));
        return 0;
    case WM_SIZE:
        OnSize(window);
        return 0;
    case WM_SETFOCUS:
        SetFocus(PagesWindow(window));
        return 0;
    case WM_COMMAND:
        OnCommand(window, LOWORD(wParam));
        return 0;
    case WM_KEYDOWN:
        OnKey(window, wParam);
        return 0;
    case WM_SYSCHAR:
        if (PressButtonOf(window, static_cast<wchar_t>(wParam)))
            return 0;
        break;
    case WM_CLOSE:
        ClosePreview(window);
        return 0;
    case WM_DESTROY:
        OnDestroy(window);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The pages' window: paints and scrolls them; its keys are the preview's.
LRESULT CALLBACK PreviewPagesProc(HWND pages, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        SetWindowLongPtrW(pages, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams));
        return 0;
    case WM_SIZE:
        if (StateOf(pages) != nullptr)
            UpdateScrollBars(pages, *StateOf(pages));
        return 0;
    case WM_PAINT:
        PaintPages(pages);
        return 0;
    case WM_ERASEBKGND:
        return 1;   // the painting fills every part itself
    case WM_HSCROLL:
        Scroll(pages, SB_HORZ, LOWORD(wParam));
        return 0;
    case WM_VSCROLL:
        Scroll(pages, SB_VERT, LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        Scroll(pages, SB_VERT, GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? SB_LINEUP : SB_LINEDOWN);
        return 0;
    case WM_KEYDOWN:
    case WM_SYSCHAR:
        return SendMessageW(GetParent(pages), message, wParam, lParam);
    }
    return DefWindowProcW(pages, message, wParam, lParam);
}

bool RegisterOneClass(const wchar_t* name, WNDPROC procedure, int background)
{
    WNDCLASSEXW existing;
    ZeroMemory(&existing, sizeof(existing));
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &existing))
        return true;
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1));
    windowClass.lpszClassName = name;
    return RegisterClassExW(&windowClass) != 0;
}

bool RegisterPreviewClasses()
{
    return RegisterOneClass(PRINT_PREVIEW_CLASS_NAME, PrintPreviewProc, COLOR_BTNFACE) &&
           RegisterOneClass(PagesClassName, PreviewPagesProc, COLOR_APPWORKSPACE);
}


// Lays the document out for the page setup's printer; false (after saying why) when it cannot.
bool LayOutPreview(HWND frame, HWND document)
{
    ZeroMemory(&preview, sizeof(preview));
    preview.frame = frame;
    preview.document = document;
    preview.printer = CreateLayoutPrinter();
    if (preview.printer == nullptr) {
        ShowMessageBox(frame, TEXT_NO_PRINTER, TEXT_MESSAGE_CAPTION, MB_ICONEXCLAMATION);
        return false;
    }
    bool noMemory = false;
    const int AllPages = 0x7FFFFFFF;
    if (!OpenPrintLayout(preview.print, preview.printer, document, CurrentPageChoices()) ||
        !CountPages(preview.print, AllPages, noMemory)) {
        ClosePrintLayout(preview.print);
        DeleteDC(preview.printer);
        preview.printer = nullptr;
        ShowMessageBox(frame, TEXT_PREVIEW_FAILED, TEXT_MESSAGE_CAPTION, MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

} // namespace

void PrintPreviewCommand(HWND frame)
{
    HWND document = ActiveDocument();
    if (document == nullptr || hPreviewWindow != nullptr || !RegisterPreviewClasses() ||
        !LayOutPreview(frame, document))
        return;
    wchar_t name[MAX_PATH] = L"";
    GetWindowTextW(document, name, MAX_PATH);
    wchar_t title[MAX_PATH + 64];
    wsprintfW(title, WIDE(TEXT_PREVIEW_TITLE), name);
    // Over the frame, as large as it is.
    RECT place;
    GetWindowRect(frame, &place);
    hPreviewWindow = CreateWindowExW(0, PRINT_PREVIEW_CLASS_NAME, title,
                                     WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, place.left,
                                     place.top, place.right - place.left, place.bottom - place.top, frame, nullptr,
                                     GetModuleHandleW(nullptr), &preview);
    if (hPreviewWindow == nullptr) {
        ClosePrintLayout(preview.print);
        DeleteDC(preview.printer);
        preview.printer = nullptr;
        return;
    }
    EnableWindow(frame, FALSE);
    UpdateControls(hPreviewWindow, preview);
    ShowWindow(hPreviewWindow, SW_SHOWNORMAL);
    UpdateWindow(hPreviewWindow);
    SetFocus(PagesWindow(hPreviewWindow));
}

HWND PrintPreviewWindow()
{
    return hPreviewWindow;
}

bool ViewOfPrintPreview(PreviewView& view)
{
    PreviewState* state = hPreviewWindow != nullptr ? StateOf(hPreviewWindow) : nullptr;
    if (state == nullptr)
        return false;
    view.firstPage = state->firstPage;
    view.pagesShown = PagesShown(*state);
    view.pageCount = state->print.pageCount;
    view.zoomPercent = ZoomPercents[state->zoom];
    view.firstPageOnScreen = PagePlace(PagesWindow(hPreviewWindow), *state, 0);
    return true;
}
