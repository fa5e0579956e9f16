#include "test_editor.h"

#include "documents.h"
#include "editor_main.h"
#include "shell_state.h"
#include "spellcheck_hooks.h"

namespace {

const char* ActionWindowClass = "TestActionWindow";
const UINT RunActionMessage = WM_APP + 1;
std::vector<ShownMessage> shownMessages;

LRESULT CALLBACK ActionWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == RunActionMessage) {
        reinterpret_cast<void (*)()>(lParam)();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND ActionWindow()
{
    static HWND window = nullptr;
    if (window == nullptr) {
        WNDCLASSEXA windowClass = {};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = ActionWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = ActionWindowClass;
        RegisterClassExA(&windowClass);
        window = CreateWindowExA(0, ActionWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    }
    return window;
}

int RecordMessage(HWND owner, const char* text, const char* caption, UINT style)
{
    shownMessages.push_back(ShownMessage{owner, text, caption, style});
    return IDOK;
}

} // namespace

void RunFromMessagePump(void (*action)())
{
    PostMessageA(ActionWindow(), RunActionMessage, 0, reinterpret_cast<LPARAM>(action));
}

HWND TestFrame()
{
    if (hMainWindow != nullptr)
        return hMainWindow;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterWindowClasses(instance);
    return CreateFrameWindow(instance, SW_SHOWNORMAL);
}

HWND CreateTestDocument(const char* text)
{
    TestFrame();
    HWND document = CreateDocumentWindow(hMDIClient);
    SetWindowTextA(EditOf(document), text);
    SelectText(document, 0, 0);
    PumpMessages();
    return document;
}

void CloseTestDocument(HWND document)
{
    SendMessageA(hMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(document), 0);
    PumpMessages();
}

void ActivateDocument(HWND document)
{
    SendMessageA(hMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(document), 0);
    PumpMessages();
}

HWND EditOf(HWND document)
{
    return GetDlgItem(document, DocumentEditId);
}

std::string DocumentText(HWND document)
{
    HWND edit = EditOf(document);
    std::string text(static_cast<size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(edit, &text[0], static_cast<int>(text.size()))));
    return text;
}

void SelectText(HWND document, int start, int end)
{
    SendMessageA(EditOf(document), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

void SelectionOf(HWND document, int& start, int& end)
{
    DWORD first = 0;
    DWORD last = 0;
    SendMessageA(EditOf(document), EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    start = static_cast<int>(first);
    end = static_cast<int>(last);
}

void PumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (hFindDialog != nullptr && IsDialogMessageA(hFindDialog, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void StartRecordingMessages()
{
    shownMessages.clear();
    SetMessageBoxForTesting(RecordMessage);
}

std::vector<ShownMessage>& RecordedMessages()
{
    return shownMessages;
}
