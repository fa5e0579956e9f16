// Looks at the installed programs' windows from outside, for the installer test:
//   window_probe CLASS|#32770 TITLE [ITEM_ID]   waits up to 30 s for the window, prints the text of the
//                                               dialog item (or the window title), its list box entries
//                                               (item 1002) one per line, then closes the window.
//   window_probe --command CLASS TITLE ID       waits for the window and posts it the menu command ID.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

HWND WaitForWindow(const char* windowClass, const char* title)
{
    HWND window = nullptr;
    for (int tries = 0; tries < 300 && window == nullptr; tries++) {
        window = FindWindowA(windowClass, title);
        if (window == nullptr)
            Sleep(100);
    }
    return window;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 5 && std::strcmp(argv[1], "--command") == 0) {
        HWND target = WaitForWindow(argv[2], argv[3]);
        if (target == nullptr)
            return 1;
        PostMessageA(target, WM_COMMAND, static_cast<WPARAM>(std::atoi(argv[4])), 0);
        return 0;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: window_probe CLASS TITLE [ITEM_ID]\n");
        return 2;
    }
    const char* windowClass = argv[1];
    const char* title = argv[2];
    HWND window = WaitForWindow(windowClass, title);
    if (window == nullptr) {
        std::printf("no window\n");
        return 1;
    }
    Sleep(500);   // let the program finish its start-up work (the first check loads the word lists)
    char text[512] = "";
    if (argc > 3) {
        GetDlgItemTextA(window, std::atoi(argv[3]), text, sizeof text);
        std::printf("item: %s\n", text);
        HWND list = GetDlgItem(window, 1002);
        LRESULT count = list != nullptr ? SendMessageA(list, LB_GETCOUNT, 0, 0) : 0;
        // Across processes Wine hands list-box text over correctly only in the wide form.
        for (LRESULT i = 0; i < count && i < 20; i++) {
            wchar_t wide[64] = L"";
            char entry[128] = "";
            if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < 64)
                SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
            WideCharToMultiByte(CP_ACP, 0, wide, -1, entry, sizeof entry, nullptr, nullptr);
            std::printf("entry: %s\n", entry);
        }
    } else {
        GetWindowTextA(window, text, sizeof text);
        std::printf("title: %s\n", text);
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    return 0;
}
