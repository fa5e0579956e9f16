// Times what keeping each document's history costs, each figure beside its peer in the same run: the
// system's edit control alone, with its own single Undo, holding the same text.
//  - "typing": 200 characters typed one at a time in the middle of a 1 MB document, each keystroke one
//    WM_CHAR, then everything it queued handled and the control repainted (median and slowest ms);
//  - "undo of Replace All": a Replace All of 2,000 matches in 1 MB, then Edit > Undo and Edit > Redo;
//    the peer makes the same change with EM_REPLACESEL and takes it back with its own EM_UNDO;
//  - "font change": Format > Times New Roman (12pt) on a 10 MB document; the peers: the bare control
//    given the font, and the way the font was changed before (the text copied, the font given, the text
//    set again).
// Usage: history_bench
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "bench_documents.h"
#include "document_text.h"
#include "find_replace.h"
#include "fonts.h"
#include "resource_ids.h"
#include "shell_state.h"

namespace {

const int TypedCharacters = 200;
const int Matches = 2000;

void PumpAndPaint(HWND edit)
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    UpdateWindow(edit);
}

// The system's edit control alone, with the document's styles, size, font and text.
HWND BareControl(HWND like, const std::string& text, HFONT font)
{
    RECT area;
    GetClientRect(like, &area);
    HWND bare = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL,
                                0, 0, area.right, area.bottom, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(bare, EM_LIMITTEXT, 0, 0);
    SendMessageW(bare, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    SetWindowTextA(bare, text.c_str());
    return bare;
}

void TimeTyping(const char* what, HWND edit, int at)
{
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(at), static_cast<LPARAM>(at));
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    PumpAndPaint(edit);
    std::vector<double> times;
    for (int i = 0; i < TypedCharacters; i++) {
        wchar_t typed = i % 7 == 6 ? L' ' : static_cast<wchar_t>(L'a' + i % 26);
        LARGE_INTEGER start = Now();
        SendMessageW(edit, WM_CHAR, typed, 1);
        PumpAndPaint(edit);
        times.push_back(Seconds(start, Now()) * 1000);
    }
    std::sort(times.begin(), times.end());
    std::printf("typing in the middle of 1 MB, %-26s median %.2f ms, slowest %.2f ms\n", what,
                times[times.size() / 2], times.back());
}

wchar_t Wanted[] = L"zebra";
wchar_t Replacement[] = L"giraffe";

void TimeUndoOfReplaceAll(const std::string& text)
{
    HWND document = NewDocument(text);
    HWND edit = GetDlgItem(document, DocumentEditId);
    FINDREPLACEW request;
    ZeroMemory(&request, sizeof(request));
    request.lStructSize = sizeof(request);
    request.Flags = FR_REPLACEALL;
    request.lpstrFindWhat = Wanted;
    request.lpstrReplaceWith = Replacement;
    searchPos = 0;
    LARGE_INTEGER start = Now();
    HandleFindRequest(document, reinterpret_cast<LPARAM>(&request));
    LARGE_INTEGER replaced = Now();
    std::string after = TextOf(edit);
    SendMessageW(edit, WM_UNDO, 0, 0);
    PumpAndPaint(edit);
    LARGE_INTEGER undone = Now();
    bool undoneWhole = TextOf(edit) == text;
    SendMessageW(GetParent(edit), WM_COMMAND, IDM_EDIT_REDO, 0);
    PumpAndPaint(edit);
    LARGE_INTEGER redone = Now();
    std::printf("Replace All of %d matches in 1 MB: %.3f s; Undo %.3f s (%s), Redo %.3f s (%s)\n",
                Occurrences(text, "zebra"), Seconds(start, replaced), Seconds(replaced, undone),
                undoneWhole ? "the text as before" : "NOT the text before", Seconds(undone, redone),
                TextOf(edit) == after ? "the text replaced" : "NOT the text replaced");

    // The peer: the same change in one EM_REPLACESEL that the control can undo, and its own Undo.
    HWND bare = BareControl(edit, text, hEditorFont);
    DocumentTextCopy copy(bare);
    Replacing replacing = {FindSubstring, Wanted, Replacement, nullptr, nullptr};
    ReplacedSpan span = FindReplacedSpan(copy.Text(), copy.Length(), 0, replacing);
    start = Now();
    PutReplacedSpan(bare, copy.Text(), copy.Length(), span, replacing, true);
    replaced = Now();
    SendMessageW(bare, EM_UNDO, 0, 0);
    PumpAndPaint(bare);
    undone = Now();
    std::printf("bare control, the same change: %.3f s; its own Undo %.3f s (%s)\n", Seconds(start, replaced),
                Seconds(replaced, undone), TextOf(bare) == text ? "the text as before" : "NOT the text before");
    DestroyWindow(bare);
}

void TimeFontChange(const std::string& text)
{
    HWND document = NewDocument(text);
    HWND edit = GetDlgItem(document, DocumentEditId);
    SendMessageW(hMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(document), 0);
    PumpAndPaint(edit);
    LARGE_INTEGER start = Now();
    FormatTimesNewRomanCommand(hMainWindow);
    PumpAndPaint(edit);
    std::printf("font change on 10 MB, the document:            %.3f s\n", Seconds(start, Now()));

    HFONT lucida = CreateFontW(-16, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Lucida Console");
    HWND bare = BareControl(edit, text, lucida);
    PumpAndPaint(bare);
    start = Now();
    SendMessageW(bare, WM_SETFONT, reinterpret_cast<WPARAM>(hEditorFont), TRUE);
    PumpAndPaint(bare);
    std::printf("font change on 10 MB, bare control:            %.3f s\n", Seconds(start, Now()));
    // As before: the text copied, the font given, the whole text set again.
    start = Now();
    {
        DocumentTextCopy copy(bare);
        SendMessageW(bare, WM_SETFONT, reinterpret_cast<WPARAM>(lucida), TRUE);
        SetWindowTextW(bare, copy.Text());
    }
    PumpAndPaint(bare);
    std::printf("font change on 10 MB, text set again (before): %.3f s\n", Seconds(start, Now()));
    DestroyWindow(bare);
    DeleteObject(lucida);
}

} // namespace

int main()
{
    HWND frame = StartEditorFrame();
    std::string text = MakeText(1048576, 0, "");
    HWND document = NewDocument(text);
    HWND edit = GetDlgItem(document, DocumentEditId);
    int middle = static_cast<int>(text.size() / 2);
    TimeTyping("the document:", edit, middle);
    HWND bare = BareControl(edit, text, hEditorFont);
    TimeTyping("bare control:", bare, middle);
    DestroyWindow(bare);

    TimeUndoOfReplaceAll(MakeText(1048576, Matches, "zebra"));
    TimeFontChange(MakeText(10 * 1048576, 0, ""));
    DestroyWindow(frame);
    return 0;
}
