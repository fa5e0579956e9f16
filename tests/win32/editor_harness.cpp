#include "editor_harness.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>

#include "dialog_watch.h"
#include "documents.h"
#include "editor_hooks.h"
#include "editor_main.h"
#include "fonts.h"
#include "settings_store.h"
#include "shell_state.h"
#include "window_classes.h"

SeamLog seams;

namespace {

FileDialogCall Describe(const OPENFILENAMEW* dialog)
{
    FileDialogCall call{dialog->hwndOwner, Utf8Of(dialog->lpstrFile), dialog->Flags, "", Utf8Of(dialog->lpstrDefExt),
                        dialog->nFilterIndex, Utf8Of(dialog->lpstrInitialDir)};
    for (const wchar_t* part = dialog->lpstrFilter; part && *part; part += lstrlenW(part) + 1)
        call.filter += Utf8Of(part) + "|";
    return call;
}

BOOL Answer(OPENFILENAMEW* dialog, std::deque<std::string>& answers, std::vector<FileDialogCall>& calls)
{
    EXPECT_EQ(dialog->lStructSize, static_cast<DWORD>(OPENFILENAME_SIZE_VERSION_400W));
    EXPECT_EQ(dialog->nMaxFile, 260u);
    calls.push_back(Describe(dialog));
    if (answers.empty())
        return FALSE;
    // An answer may end in "|N": the type (filter index) the user chose.
    std::string answer = answers.front();
    answers.pop_front();
    size_t bar = answer.rfind('|');
    if (bar != std::string::npos) {
        dialog->nFilterIndex = static_cast<DWORD>(std::stoul(answer.substr(bar + 1)));
        answer.resize(bar);
    }
    lstrcpynW(dialog->lpstrFile, WideOf(answer).c_str(), static_cast<int>(dialog->nMaxFile));
    return TRUE;
}

BOOL AnswerOpen(OPENFILENAMEW* dialog) { return Answer(dialog, seams.openAnswers, seams.openCalls); }
BOOL AnswerSave(OPENFILENAMEW* dialog) { return Answer(dialog, seams.saveAnswers, seams.saveCalls); }

bool classesRegistered = false;
int folderCounter = 0;

// Names in any script are removed too: a folder left behind would stand in the way of a later test
// program given the same process number.
void RemoveFolder(const std::string& folder)
{
    std::wstring wideFolder = WideOf(folder);
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((wideFolder + L"*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring path = wideFolder + entry.cFileName;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path.c_str());
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryW(wideFolder.c_str());
}

const char* ActionWindowClass = "TestActionWindow";
const UINT RunActionMessage = WM_APP + 1;

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

bool RegisterClassesOnce()
{
    if (!classesRegistered)
        classesRegistered = RegisterWindowClasses(GetModuleHandleA(nullptr)) == 1;
    return classesRegistered;
}

} // namespace

void ForgetRememberedSettings()
{
    RegDeleteKeyW(HKEY_CURRENT_USER, SettingsKey);
}

void EditorTest::SetUp()
{
    WatchDialogs();
    ForgetRememberedSettings();
    seams = SeamLog();
    SetFileDialogsForTesting(AnswerOpen, AnswerSave);
    ASSERT_TRUE(RegisterClassesOnce());
    char temp[MAX_PATH];
    GetTempPathA(sizeof(temp), temp);
    char name[64];
    std::snprintf(name, sizeof(name), "pm%lu-%d\\", GetCurrentProcessId(), ++folderCounter);
    folder = std::string(temp) + name;
    // Wine gives process ids again: an earlier program with this one that ended before its clean-up (one
    // ended for waiting in vain on a dialog) may have left this folder.
    if (!CreateDirectoryA(folder.c_str(), nullptr)) {
        ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS)) << folder;
        RemoveFolder(folder);
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder << ", left by an earlier program";
    }
}

HWND EditorTest::StartEditor(const char* argument)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    frame = CreateFrameWindow(instance, SW_SHOWNORMAL);
    EXPECT_NE(frame, nullptr);
    accelerators = LoadAcceleratorsA(instance, "Penmar");
    std::wstring arguments = WideOf(argument != nullptr ? argument : "");
    OpenCommandLineFiles(frame, argument != nullptr ? arguments.c_str() : nullptr);
    PumpMessages();
    return frame;
}

// Wine's MDI client frees its own data when it gets WM_DESTROY, before its children get theirs; each
// child then reads the freed data as its list of windows and walks heap garbage as window handles
// until it faults (0.1 to 1 s a frame). The documents go first, as the MDI client itself closes them.
void DestroyFrame(HWND frame)
{
    std::vector<HWND> documents;
    HWND mdiClient = GetDlgItem(frame, FrameMDIClientId);
    for (HWND child = GetWindow(mdiClient, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        documents.push_back(child);
    for (HWND document : documents)
        SendMessageA(mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(document), 0);
    DestroyWindow(frame);
}

void EditorTest::TearDown()
{
    if (frame != nullptr)
        DestroyFrame(frame);
    PumpMessages();
    QuitWasPosted();
    hMainWindow = hMDIClient = hFindDialog = nullptr;
    openFromCommandLine = 0;
    SetFileDialogsForTesting(nullptr, nullptr);
    RemoveFolder(folder);
}

std::vector<std::string> EditorTest::FolderEntries() const
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::string name = entry.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return names;
}

HWND TestFrame()
{
    if (hMainWindow != nullptr)
        return hMainWindow;
    WatchDialogs();
    ForgetRememberedSettings();
    RegisterClassesOnce();
    return CreateFrameWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
}

HWND CreateTestDocument(const char* text)
{
    TestFrame();
    HWND document = CreateDocumentWindow(hMDIClient);
    SetWindowTextW(EditOf(document), WideOf(text).c_str());
    SelectText(document, 0, 0);
    PumpMessages();
    return document;
}

void CloseTestDocument(HWND document)
{
    SendMessageA(hMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(document), 0);
    PumpMessages();
}

void SharedFrameTest::TearDown()
{
    for (HWND document : documents_)
        CloseTestDocument(document);
    documents_.clear();
}

HWND SharedFrameTest::Document(const char* text)
{
    HWND document = CreateTestDocument(text);
    documents_.push_back(document);
    return document;
}

void SharedFrameTest::Close(HWND document)
{
    CloseTestDocument(document);
    documents_.erase(std::find(documents_.begin(), documents_.end(), document));
}

void ActivateDocument(HWND document)
{
    SendMessageA(hMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(document), 0);
    PumpMessages();
}

void RunFromMessagePump(void (*action)())
{
    PostMessageA(ActionWindow(), RunActionMessage, 0, reinterpret_cast<LPARAM>(action));
}

void PumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
        if (message.message == WM_QUIT)
            return;
        PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);
        if (hFindDialog != nullptr && IsDialogMessageW(hFindDialog, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool QuitWasPosted()
{
    MSG message;
    return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

HWND ActiveDocumentWindow()
{
    return reinterpret_cast<HWND>(SendMessageA(hMDIClient, WM_MDIGETACTIVE, 0, 0));
}

HWND EditOf(HWND document)
{
    return GetDlgItem(document, DocumentEditId);
}

std::string DocumentText(HWND document)
{
    return WindowText(EditOf(document));
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

std::string WindowText(HWND window)
{
    int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(window, &text[0], length + 1);
    text.resize(static_cast<size_t>(copied));
    return Utf8Of(text.c_str());
}

std::string StatusText(int part)
{
    HWND statusBar = GetDlgItem(hMainWindow, FrameStatusBarId);
    wchar_t text[512] = L"";
    SendMessageW(statusBar, SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
    return Utf8Of(text);
}

bool IsModified(HWND document)
{
    return SendMessageA(EditOf(document), EM_GETMODIFY, 0, 0) != 0;
}

void TypeText(HWND document, const char* text)
{
    SendMessageW(EditOf(document), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(WideOf(text).c_str()));
}

int CountDocumentWindows()
{
    int count = 0;
    for (HWND child = GetWindow(hMDIClient, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[64] = "";
        GetClassNameA(child, className, sizeof(className));
        if (lstrcmpA(className, DOCUMENT_CLASS_NAME) == 0)
            count++;
    }
    return count;
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(WideOf(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    ASSERT_EQ(written, bytes.size());
    CloseHandle(file);
}

std::string ReadBytes(const std::string& path)
{
    HANDLE file = CreateFileW(WideOf(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    if (!bytes.empty())
        ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesW(WideOf(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void ClickToolbarButton(HWND frame, int command)
{
    HWND toolbar = GetDlgItem(frame, FrameToolbarId);
    RECT button = {};
    ASSERT_TRUE(SendMessageA(toolbar, TB_GETRECT, command, reinterpret_cast<LPARAM>(&button))) << command;
    LPARAM middle = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    SendMessageA(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    SendMessageA(toolbar, WM_LBUTTONUP, 0, middle);
    PumpMessages();
}

std::string SystemText(DWORD error)
{
    wchar_t text[512] = L"";
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, 512, nullptr);
    std::string result = Utf8Of(text);
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r'))
        result.pop_back();
    return result;
}

void ExpectFileFailure(const MessageLog& messages, HWND owner, const std::string& opening, const std::string& path,
                       DWORD error)
{
    ASSERT_EQ(messages.Shown().size(), 1u);
    const ShownMessage& message = messages.Shown()[0];
    EXPECT_EQ(message.owner, owner);
    EXPECT_EQ(message.style, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(message.text.rfind(opening, 0), 0u) << message.text;
    EXPECT_NE(message.text.find(path), std::string::npos) << message.text;
    std::string reason = SystemText(error);
    ASSERT_FALSE(reason.empty());
    EXPECT_NE(message.text.find(reason), std::string::npos) << message.text << " lacks " << reason;
}

HeldKeys::HeldKeys(int first, int second)
{
    GetKeyboardState(saved_);
    BYTE keys[256];
    CopyMemory(keys, saved_, sizeof(keys));
    if (first != 0)
        keys[first] = 0x80;
    if (second != 0)
        keys[second] = 0x80;
    SetKeyboardState(keys);
}

HeldKeys::~HeldKeys()
{
    SetKeyboardState(saved_);
}

bool PressAcceleratorKey(HWND frame, HACCEL accelerators, HWND target, WPARAM key, int modifier,
                         int secondModifier)
{
    MSG message = {};
    message.hwnd = target;
    message.message = modifier == VK_MENU ? WM_SYSKEYDOWN : WM_KEYDOWN;
    message.wParam = key;
    message.lParam = 1;
    bool translated = false;
    {
        HeldKeys held(modifier, secondModifier);
        translated = TranslateAcceleratorA(frame, accelerators, &message) != 0;
    }
    PumpMessages();
    return translated;
}
