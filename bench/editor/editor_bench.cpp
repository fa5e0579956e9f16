// Times the editor on one text file:
//  - "launch": Penmar.exe started with the file on its command line, until its edit control holds
//    the whole text (the time a user waits);
//  - "open": the same start-up steps inside this process (frame, File > Open from the command line);
//  - "save": writing the document back to a new file;
//  - "caret": the status bar's line and column for a caret at the end of the text (its slowest case),
//    next to the caret moves (Ctrl+End, Ctrl+Home) that ask for it.
// Usage: editor_bench FILE [PENMAR_EXE]
#include <windows.h>
#include <commctrl.h>
#include <cstdio>
#include <string>

#include "bench_clock.h"

#include "caret_position.h"
#include "editor_main.h"
#include "status_bar.h"
#include "shell_state.h"
#include "text_files.h"
#include "window_classes.h"

namespace {

// Length of the text in the first document of a running editor, or -1 while there is none.
LRESULT EditorTextLength(DWORD processId)
{
    HWND frame = nullptr;
    while ((frame = FindWindowExA(nullptr, frame, FRAME_CLASS_NAME, nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(frame, &owner);
        if (owner == processId)
            break;
    }
    HWND client = frame ? GetDlgItem(frame, FrameMDIClientId) : nullptr;
    HWND document = client ? FindWindowExA(client, nullptr, DOCUMENT_CLASS_NAME, nullptr) : nullptr;
    HWND edit = document ? GetDlgItem(document, DocumentEditId) : nullptr;
    if (edit == nullptr)
        return -1;
    return SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0);
}

void TimeLaunch(const char* program, const char* file, LONGLONG expectedLength)
{
    std::string commandLine = std::string("\"") + program + "\" \"" + file + "\"";
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof(startup));
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER start = Now();
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::printf("launch: could not start %s\n", program);
        return;
    }
    LRESULT length = -1;
    for (int i = 0; i < 120000 && length < expectedLength; i++) {
        Sleep(1);
        length = EditorTextLength(process.dwProcessId);
    }
    LARGE_INTEGER end = Now();
    if (length >= expectedLength)
        std::printf("launch: %.3f s until the text stood in the edit control\n", Seconds(start, end));
    else
        std::printf("launch: the text did not arrive (length %ld)\n", static_cast<long>(length));
    HWND frame = FindWindowA(FRAME_CLASS_NAME, nullptr);
    if (frame != nullptr)
        PostMessageA(frame, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

void PressWithControl(HWND edit, WPARAM key)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(edit, WM_KEYDOWN, key, 1);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

void TimeCaretPosition(HWND edit)
{
    const int moves = 20;
    LARGE_INTEGER start = Now();
    for (int i = 0; i < moves; i++) {
        PressWithControl(edit, VK_HOME);
        PressWithControl(edit, VK_END);
    }
    LARGE_INTEGER moved = Now();
    for (int i = 0; i < moves; i++)
        ShowCaretPosition();
    LARGE_INTEGER shown = Now();
    char position[64] = "";
    SendDlgItemMessageA(hMainWindow, FrameStatusBarId, SB_GETTEXTA, StatusPositionPart, reinterpret_cast<LPARAM>(position));
    std::printf("caret: %.2f ms for the position at the end (%s), %.2f ms for a caret move\n",
                Seconds(moved, shown) * 1000 / moves, position, Seconds(start, moved) * 1000 / (2 * moves));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::printf("usage: editor_bench FILE [PENMAR_EXE]\n");
        return 2;
    }
    const char* file = argv[1];
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(file, GetFileExInfoStandard, &data)) {
        std::printf("no such file: %s\n", file);
        return 2;
    }
    LONGLONG size = data.nFileSizeLow;
    std::printf("file: %s, %lld bytes\n", file, size);

    if (argc > 2)
        TimeLaunch(argv[2], file, size);

    HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterWindowClasses(instance);
    LARGE_INTEGER start = Now();
    HWND frame = CreateFrameWindow(instance, SW_SHOWNORMAL);
    wchar_t wideFile[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, file, -1, wideFile, MAX_PATH);
    OpenCommandLineFiles(frame, wideFile);
    LARGE_INTEGER opened = Now();
    HWND document = reinterpret_cast<HWND>(SendMessageA(hMDIClient, WM_MDIGETACTIVE, 0, 0));
    HWND edit = GetDlgItem(document, DocumentEditId);
    std::printf("open: %.3f s (frame created, file read, text set; %d characters in the edit control)\n",
                Seconds(start, opened), GetWindowTextLengthA(edit));

    TimeCaretPosition(edit);

    std::wstring copy = std::wstring(wideFile) + L".saved";
    DocumentFile target = {};
    StartNewDocumentFile(target);
    LARGE_INTEGER saveStart = Now();
    int saved = SaveTextFile(edit, copy.c_str(), target);
    LARGE_INTEGER saveEnd = Now();
    std::printf("save: %.3f s (%s)\n", Seconds(saveStart, saveEnd), saved ? "written" : "FAILED");
    DeleteFileW(copy.c_str());
    DestroyWindow(frame);
    return saved ? 0 : 1;
}
