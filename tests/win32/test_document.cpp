#include "test_document.h"

#include <vector>

namespace {

const char ClassName[] = "PenmarTestDocument";

void RegisterClassFor(HINSTANCE module)
{
    WNDCLASSA existing;
    if (GetClassInfoA(module, ClassName, &existing))
        return;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = ClassName;
    RegisterClassA(&windowClass);
}

} // namespace

TestDocument::TestDocument(const std::string& text, HINSTANCE module)
{
    if (module == nullptr)
        module = GetModuleHandleA(nullptr);
    RegisterClassFor(module);
    window_ = CreateWindowExA(0, ClassName, "Document", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 600,
                              400, nullptr, nullptr, module, nullptr);
    edit_ = CreateWindowExA(0, "EDIT", "",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL,
                            0, 0, 580, 360, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(TestEditId)),
                            module, nullptr);
    SendMessageA(edit_, EM_SETLIMITTEXT, 0, 0);
    SetWindowTextA(edit_, text.c_str());
    SendMessageA(edit_, EM_SETSEL, 0, 0);
}

TestDocument::~TestDocument()
{
    DestroyWindow(window_);
}

std::string TestDocument::Text() const
{
    int length = GetWindowTextLengthA(edit_);
    std::vector<char> text(static_cast<size_t>(length) + 1);
    GetWindowTextA(edit_, text.data(), length + 1);
    return std::string(text.data());
}

void TestDocument::Select(int start, int end)
{
    SendMessageA(edit_, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}
