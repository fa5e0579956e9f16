// Spelling as you type in long documents, each figure beside its peer in the same run:
//  - "typing": 200 characters typed one at a time into a short document and into a 1 MB one, at its
//    start and in its middle, with the marks on and with them off, in turn: each keystroke is one
//    WM_CHAR, then everything it queued is handled and the control repainted (median and slowest ms);
//  - "screen": the marks of the whole view computed (each row read, its words found, checked and
//    placed) in a short document and at the start, middle and end of documents of 1 MB and 10 MB.
// Every other line of the documents ends in an unknown word, so that a screen holds a dozen marks.
// Usage: marks_bench ROOT   (ROOT stands for C:\ and holds ZOLT\SPELL\ with the word lists)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "../bench_arguments.h"
#include "bench_clock.h"
#include "bench_documents.h"
#include "list_files.h"
#include "resource_ids.h"
#include "shell_state.h"
#include "spelling_switch.h"
#include "view_marks.h"

namespace {

const int TypedCharacters = 200;
const int TypingRounds = 2;     // each way, in turn
const int ScreenRepeats = 21;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void PumpAndPaint(HWND edit)
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    UpdateWindow(edit);
}

void ShowAt(HWND edit, int at)
{
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(at), static_cast<LPARAM>(at));
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    PumpAndPaint(edit);
}

// Milliseconds of each keystroke typed at the character index.
std::vector<double> TimeTyping(HWND edit, int at)
{
    ShowAt(edit, at);
    std::vector<double> times;
    for (int i = 0; i < TypedCharacters; i++) {
        wchar_t typed = i % 7 == 6 ? L' ' : static_cast<wchar_t>(L'a' + i % 26);
        LARGE_INTEGER start = Now();
        SendMessageW(edit, WM_CHAR, typed, 1);
        PumpAndPaint(edit);
        times.push_back(Seconds(start, Now()) * 1000);
    }
    return times;
}

void ReportTyping(const char* where, bool on, const std::vector<double>& times)
{
    std::printf("typing  marks %-3s  %-16s median %6.2f ms, slowest %6.2f ms\n", on ? "on" : "off", where,
                Median(times), *std::max_element(times.begin(), times.end()));
}

void SetMarks(HWND frame, bool on)
{
    if (SpellingAsYouTypeOn() != on)
        SendMessageW(frame, WM_COMMAND, IDM_TOOLS_SPELLING_AS_YOU_TYPE, 0);
}

// Median milliseconds of computing the marks of the view with the text shown from character index at.
double TimeScreen(HWND edit, int at, int& marks)
{
    static ViewMarks found;
    ShowAt(edit, at);
    std::vector<double> times;
    for (int i = 0; i < ScreenRepeats; i++) {
        LARGE_INTEGER start = Now();
        ViewGeometry view;
        if (GetViewGeometry(edit, view))
            FindViewMarks(edit, view, 0, view.rows, -1, found);
        times.push_back(Seconds(start, Now()) * 1000);
    }
    marks = found.count;
    return Median(times);
}

void ReportScreen(const char* document, HWND edit, int length)
{
    const char* places[] = {"start", "middle", "end"};
    const int at[] = {0, length / 2, length};
    for (int i = 0; i < 3; i++) {
        int marks = 0;
        double ms = TimeScreen(edit, at[i], marks);
        std::printf("screen  %-6s %-7s %6.2f ms (%d marks)\n", document, places[i], ms, marks);
    }
}

// Lines of about 70 characters, every other one ending in an unknown word.
std::string MarkedText(size_t bytes)
{
    std::string plain = MakeText(bytes, 0, "");
    std::string text;
    text.reserve(plain.size() + plain.size() / 10);
    bool marked = false;
    for (size_t from = 0; from < plain.size();) {
        size_t end = plain.find("\r\n", from);
        end = end == std::string::npos ? plain.size() : end;
        text.append(plain, from, end - from);
        if (marked)
            text += "wrng";
        text += "\r\n";
        marked = !marked;
        from = end + 2;
    }
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    if (MissingArguments(argc, 1, "marks_bench ROOT"))
        return 2;
    SetDriveRoot(argv[1]);
    HWND frame = StartEditorFrame();
    SetMarks(frame, true);

    HWND shortDocument = NewDocument(MarkedText(2000));
    HWND shortEdit = GetDlgItem(shortDocument, DocumentEditId);
    std::string longText = MarkedText(1048576);
    int middle = static_cast<int>(longText.size() / 2);
    HWND longDocument = NewDocument(longText);
    HWND edit = GetDlgItem(longDocument, DocumentEditId);
    PumpAndPaint(edit);
    for (int round = 0; round < TypingRounds; round++) {
        for (bool on : {true, false}) {
            SetMarks(frame, on);
            SendMessageW(hMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(shortDocument), 0);
            ReportTyping("short document:", on, TimeTyping(shortEdit, 1000));
            SendMessageW(hMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(longDocument), 0);
            ReportTyping("start of 1 MB:", on, TimeTyping(edit, 0));
            ReportTyping("middle of 1 MB:", on, TimeTyping(edit, middle));
        }
    }
    SetMarks(frame, true);
    SendMessageW(hMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(shortDocument), 0);
    int marks = 0;
    double shortScreen = TimeScreen(shortEdit, 0, marks);
    std::printf("screen  short  whole   %6.2f ms (%d marks)\n", shortScreen, marks);
    ReportScreen("1 MB", edit, static_cast<int>(GetWindowTextLengthW(edit)));
    std::string tenText = MarkedText(10 * 1048576);
    HWND tenDocument = NewDocument(tenText);
    HWND tenEdit = GetDlgItem(tenDocument, DocumentEditId);
    ReportScreen("10 MB", tenEdit, static_cast<int>(tenText.size()));
    DestroyWindow(frame);
    return 0;
}
