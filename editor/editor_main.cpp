#include "editor_main.h"

#include <commctrl.h>
#include <cwchar>

#include "document_window.h"
#include "editor_hooks.h"
#include "frame_placement.h"
#include "frame_window.h"
#include "message_boxes.h"
#include "recovery.h"
#include "resource_ids.h"
#include "shell_state.h"
#include "texts.h"
#include "window_classes.h"

bool CommandLineName(const wchar_t* argument, wchar_t name[CommandLineNameSize])
{
    name[0] = L'\0';
    if (argument == nullptr)
        return true;
    int length = lstrlenW(argument);
    while (length > 0 && argument[length - 1] == L' ')
        length--;
    // A shorter part of the name could be another file: a name that does not fit opens nothing.
    if (length > CommandLineNameSize - 1)
        return false;
    std::wmemcpy(name, argument, static_cast<size_t>(length));
    name[length] = L'\0';
    return true;
}

static bool RegisterOneClass(HINSTANCE instance, const wchar_t* className, WNDPROC procedure, UINT style,
                             int backgroundColour, const wchar_t* menuName)
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    // The system's icons and cursors are numbers, which the narrow names carry as well.
    windowClass.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    windowClass.hIconSm = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(backgroundColour + 1));
    windowClass.lpszMenuName = menuName;
    windowClass.lpszClassName = className;
    return RegisterClassExW(&windowClass) != 0;
}

bool RegisterWindowClasses(HINSTANCE instance)
{
    // The toolbar and status bar classes live in the common-controls library, which is only
    // loaded and registered when the program asks for it.
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    if (!RegisterOneClass(instance, WIDE(FRAME_CLASS_NAME), FrameWindowProc, 0, COLOR_WINDOW,
                          MAKEINTRESOURCEW(IDM_MAINMENU))) {
        ShowMessageBox(nullptr, TEXT_REGISTRATION_FAILED, TEXT_CAPTION_ERROR_BANG, MB_ICONEXCLAMATION);
        return false;
    }
    if (!RegisterOneClass(instance, WIDE(DOCUMENT_CLASS_NAME), DocumentWindowProc, CS_HREDRAW | CS_VREDRAW,
                          COLOR_BTNFACE, nullptr)) {
        ShowMessageBox(nullptr, TEXT_CHILD_REGISTRATION_FAILED, TEXT_CAPTION_OH_OH, MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

HWND CreateFrameWindow(HINSTANCE instance, int showCommand)
{
    // Where the last run left the frame, or where the system puts a new window.
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = DefaultFrameWidth, height = DefaultFrameHeight;
    FramePlacement remembered;
    if (RememberedFramePlacement(remembered)) {
        x = remembered.normal.left;
        y = remembered.normal.top;
        width = remembered.normal.right - remembered.normal.left;
        height = remembered.normal.bottom - remembered.normal.top;
        if (remembered.maximized && showCommand == SW_SHOWNORMAL)
            showCommand = SW_SHOWMAXIMIZED;
    }
    HWND frame = CreateWindowExW(0, WIDE(FRAME_CLASS_NAME), WIDE(TEXT_FRAME_TITLE), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, x, y,
                                 width, height, nullptr, nullptr, instance, nullptr);
    if (!WindowCreated(frame, nullptr, TEXT_CREATION_FAILED, TEXT_CAPTION_ERROR_BANG, MB_ICONEXCLAMATION))
        return nullptr;
    hMainWindow = frame;
    ShowWindow(frame, showCommand);
    UpdateWindow(frame);
    return frame;
}

static bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t';
}

bool NextCommandLineName(const wchar_t*& cursor, wchar_t name[CommandLineNameSize], bool& tooLong)
{
    while (IsBlank(*cursor))
        cursor++;
    if (*cursor == L'\0')
        return false;
    // Gathered with room for one character too many, which tells a name too long from the longest.
    wchar_t gathered[CommandLineNameSize + 1];
    int length = 0;
    bool quoted = false;
    for (; *cursor != L'\0' && (quoted || !IsBlank(*cursor)); cursor++) {
        if (*cursor == L'"')
            quoted = !quoted;
        else if (length < CommandLineNameSize)
            gathered[length++] = *cursor;
    }
    gathered[length] = L'\0';
    tooLong = !CommandLineName(gathered, name);
    return true;
}

// The arguments as one name, when they hold no quotes and name an existing file: a path with blanks
// written without quotes.
static bool WholeArgumentsNameAFile(const wchar_t* arguments, wchar_t name[CommandLineNameSize])
{
    while (IsBlank(*arguments))
        arguments++;
    if (std::wcschr(arguments, L'"') != nullptr || !CommandLineName(arguments, name) || name[0] == L'\0')
        return false;
    DWORD attributes = GetFileAttributesW(name);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// File > Open without the dialog.
static void OpenNamedFile(HWND frame, const wchar_t* name)
{
    openFromCommandLine = 1;
    lstrcpynW(pendingFileName, name, MAX_PATH);
    SendMessageW(frame, WM_COMMAND, IDM_FILE_OPEN, 0);
}

const wchar_t* ArgumentsOf(const wchar_t* commandLine)
{
    if (commandLine == nullptr)
        return nullptr;
    // The program's name: quoted, or up to the first blank.
    const wchar_t* cursor = commandLine;
    if (*cursor == L'"') {
        cursor++;
        while (*cursor != L'\0' && *cursor != L'"')
            cursor++;
        if (*cursor == L'"')
            cursor++;
    } else {
        while (*cursor != L'\0' && !IsBlank(*cursor))
            cursor++;
    }
    while (IsBlank(*cursor))
        cursor++;
    return cursor;
}

void OpenCommandLineFiles(HWND frame, const wchar_t* arguments)
{
    if (arguments == nullptr)
        return;
    wchar_t name[CommandLineNameSize];
    if (WholeArgumentsNameAFile(arguments, name)) {
        OpenNamedFile(frame, name);
        return;
    }
    // A shorter part of a name could be another file: with one name that does not fit, nothing opens.
    bool tooLong = false;
    for (const wchar_t* cursor = arguments; NextCommandLineName(cursor, name, tooLong);) {
        if (tooLong) {
            ShowMessageBox(frame, TEXT_NAME_TOO_LONG, TEXT_MESSAGE_CAPTION, MB_ICONERROR);
            return;
        }
    }
    for (const wchar_t* cursor = arguments; NextCommandLineName(cursor, name, tooLong);) {
        if (name[0] != L'\0')
            OpenNamedFile(frame, name);
    }
}

int RunMessageLoop(HWND frame, HACCEL accelerators)
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0)) {
        if (hFindDialog != nullptr && IsDialogMessageW(hFindDialog, &message))
            continue;
        if (TranslateMDISysAccel(hMDIClient, &message))
            continue;
        if (TranslateAcceleratorW(frame, accelerators, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

int EditorMain(HINSTANCE instance, HINSTANCE, const wchar_t* arguments, int showCommand)
{
    if (!RegisterWindowClasses(instance))
        return 0;
    HWND frame = CreateFrameWindow(instance, showCommand);
    if (frame == nullptr)
        return 0;
    HACCEL accelerators = LoadAcceleratorsW(instance, WIDE(TEXT_ACCELERATORS_NAME));
    OpenCommandLineFiles(frame, arguments);
    StartRecovery();
    RecoverDocuments(frame);
    return RunMessageLoop(frame, accelerators);
}
