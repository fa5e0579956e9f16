// Times what keeping each document's history costs, each figure beside its peer in the same run: the
// system's edit control alone, with its own single Undo, holding the same text.
//  - "typing": 200 characters typed one at a time in the middle of a 1 MB document, each keystroke one
//    WM_CHAR, then everything it queued handled and the control repainted (median and slowest ms); also
//    beside a document whose edit control has no history, only the status bar's caret position, each
//    keystroke going to the three in turn;
//  - "undo of Replace All": a Replace All of 2,000 matches in 1 MB, then Edit > Undo and Edit > Redo;
//    the peers make the same change with EM_REPLACESEL and take it back with the control's own EM_UNDO,
//    in a document whose edit control has no history and in the bare control (three rounds, each begun
//    by another of the three);
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
#include "bench_keystrokes.h"
#include "caret_position.h"
#include "document_text.h"
#include "find_replace.h"
#include "fonts.h"
#include "resource_ids.h"
#include "shell_state.h"

namespace {

const int TypedCharacters = 200;
const int Matches = 2000;
const int UndoRounds = 3;

// The document's edit control as it was before the history: the system's procedure, and the status
// bar told that the caret may have moved.
WNDPROC systemEditProc = nullptr;

LRESULT CALLBACK EditProcWithoutHistory(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = CallWindowProcW(systemEditProc, edit, message, wParam, lParam);
    if (message == WM_CHAR || message == WM_KEYDOWN || message == EM_SETSEL)
        CaretMayHaveMoved();
    return result;
}

// The keystrokes go to the controls in turn, so that each sees the machine as busy as the others.
// A document window whose edit control has the procedure above from before it holds the text.
HWND DocumentWithoutHistory(const std::string& text)
{
    HWND document = CreateDocumentWindow(hMDIClient);
    HWND edit = GetDlgItem(document, DocumentEditId);
    WNDCLASSW editClass;
    GetClassInfoW(nullptr, L"EDIT", &editClass);
    systemEditProc = editClass.lpfnWndProc;
    SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProcWithoutHistory));
    SetWindowTextA(edit, text.c_str());
    SendMessageW(edit, EM_SETSEL, 0, 0);
    return edit;
}

void TimeTyping(const char* const* what, const HWND* edits, int count, int at)
{
    std::vector<std::vector<double>> times(static_cast<size_t>(count));
    for (int c = 0; c < count; c++)
        ShowAt(edits[c], at);
    for (int i = 0; i < TypedCharacters; i++) {
        for (int c = 0; c < count; c++)
            times[static_cast<size_t>(c)].push_back(TimeKeystroke(edits[c], TypedCharacter(i)));
    }
    for (int c = 0; c < count; c++) {
        std::vector<double>& these = times[static_cast<size_t>(c)];
        std::sort(these.begin(), these.end());
        std::printf("typing in the middle of 1 MB, %-28s median %.2f ms, slowest %.2f ms\n", what[c],
                    these[these.size() / 2], these.back());
    }
}

wchar_t Wanted[] = L"zebra";
wchar_t Replacement[] = L"giraffe";

// A change of the whole text and its Undo (and Redo), in seconds.
struct UndoTiming {
    double change;
    double undo;
    double redo;
    bool undoneWhole;   // Undo gave the text as before
};

// The document: Replace All through the Replace dialog's request, Edit > Undo and Edit > Redo.
UndoTiming TimeDocument(HWND edit, const std::string& text)
{
    FINDREPLACEW request;
    ZeroMemory(&request, sizeof(request));
    request.lStructSize = sizeof(request);
    request.Flags = FR_REPLACEALL;
    request.lpstrFindWhat = Wanted;
    request.lpstrReplaceWith = Replacement;
    searchPos = 0;
    LARGE_INTEGER start = Now();
    HandleFindRequest(GetParent(edit), reinterpret_cast<LPARAM>(&request));
    PumpAndPaint(edit);
    LARGE_INTEGER replaced = Now();
    SendMessageW(edit, WM_UNDO, 0, 0);
    PumpAndPaint(edit);
    LARGE_INTEGER undone = Now();
    bool undoneWhole = TextOf(edit) == text;
    SendMessageW(GetParent(edit), WM_COMMAND, IDM_EDIT_REDO, 0);
    PumpAndPaint(edit);
    LARGE_INTEGER redone = Now();
    return {Seconds(start, replaced), Seconds(replaced, undone), Seconds(undone, redone), undoneWhole};
}

// A peer: the same change in one EM_REPLACESEL that the control can undo, and its own Undo.
UndoTiming TimePeer(HWND edit, const std::string& text)
{
    DocumentTextCopy copy(edit);
    Replacing replacing = {FindSubstring, Wanted, Replacement, nullptr, nullptr};
    ReplacedSpan span = FindReplacedSpan(copy.Text(), copy.Length(), 0, replacing);
    LARGE_INTEGER start = Now();
    PutReplacedSpan(edit, copy.Text(), copy.Length(), span, replacing, true);
    PumpAndPaint(edit);
    LARGE_INTEGER replaced = Now();
    SendMessageW(edit, EM_UNDO, 0, 0);
    PumpAndPaint(edit);
    LARGE_INTEGER undone = Now();
    return {Seconds(start, replaced), Seconds(replaced, undone), 0, TextOf(edit) == text};
}

// The three hold the text before any is timed, and each round begins with another of them: the first
// long change after the documents are made is often the slowest, whichever control has it.
void TimeUndoOfReplaceAll(const std::string& text, int round)
{
    HWND document = NewDocument(text);
    HWND edit = GetDlgItem(document, DocumentEditId);
    HWND beforeEdit = DocumentWithoutHistory(text);
    HWND bare = BareControl(edit, text, hEditorFont);
    const HWND edits[] = {edit, beforeEdit, bare};
    for (HWND each : edits)
        PumpAndPaint(each);
    UndoTiming timings[3];
    for (int k = 0; k < 3; k++) {
        int i = (k + round) % 3;
        timings[i] = i == 0 ? TimeDocument(edits[i], text) : TimePeer(edits[i], text);
    }
    std::printf("round %d, Replace All of %d matches in 1 MB: %.3f s; Undo %.3f s (%s), Redo %.3f s\n", round + 1,
                Occurrences(text, "zebra"), timings[0].change, timings[0].undo,
                timings[0].undoneWhole ? "the text as before" : "NOT the text before", timings[0].redo);
    const char* const names[] = {"", "a document without history", "bare control"};
    for (int i = 1; i < 3; i++)
        std::printf("  %s, the same change: %.3f s; its own Undo %.3f s (%s)\n", names[i], timings[i].change,
                    timings[i].undo, timings[i].undoneWhole ? "the text as before" : "NOT the text before");
    DestroyWindow(bare);
    SendMessageW(hMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(GetParent(beforeEdit)), 0);
    SendMessageW(hMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(document), 0);
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
    HWND beforeEdit = DocumentWithoutHistory(text);
    HWND bare = BareControl(edit, text, hEditorFont);
    const char* const names[] = {"the document:", "a document without history:", "bare control:"};
    const HWND edits[] = {edit, beforeEdit, bare};
    TimeTyping(names, edits, 3, middle);
    DestroyWindow(bare);
    SendMessageW(hMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(GetParent(beforeEdit)), 0);
    SendMessageW(hMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(document), 0);

    std::string zebras = MakeText(1048576, Matches, "zebra");
    for (int round = 0; round < UndoRounds; round++)
        TimeUndoOfReplaceAll(zebras, round);
    TimeFontChange(MakeText(10 * 1048576, 0, ""));
    DestroyWindow(frame);
    return 0;
}
