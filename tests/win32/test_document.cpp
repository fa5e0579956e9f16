#include "test_document.h"

#include <vector>

#include "message_log.h"

namespace {

const wchar_t ClassName[] = L"PenmarTestDocument";

void RegisterClassFor(HINSTANCE module)
{
    WNDCLASSW existing;
    if (GetClassInfoW(module, ClassName, &existing))
        return;
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = ClassName;
    RegisterClassW(&windowClass);
}

} // namespace

TestDocument::TestDocument(const std::string& text, HINSTANCE module)
{
    if (module == nullptr)
        module = GetModuleHandleA(nullptr);
    RegisterClassFor(module);
    // Wide, as the editor's documents are: the text is Unicode.
    window_ = CreateWindowExW(0, ClassName, L"Document", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 600,
                              400, nullptr, nullptr, module, nullptr);
    edit_ = CreateWindowExW(0, L"EDIT", L"",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL,
                            0, 0, 580, 360, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(TestEditId)),
                            module, nullptr);
    SendMessageA(edit_, EM_SETLIMITTEXT, 0, 0);
    SetWindowTextW(edit_, WideOf(text).c_str());
    SendMessageA(edit_, EM_SETSEL, 0, 0);
}

TestDocument::~TestDocument()
{
    DestroyWindow(window_);
}

std::string TestDocument::Text() const
{
    int length = GetWindowTextLengthW(edit_);
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1);
    GetWindowTextW(edit_, text.data(), length + 1);
    return Utf8Of(text.data());
}

void TestDocument::Select(int start, int end)
{
    SendMessageA(edit_, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}
