// Spelling as you type in long documents, each figure beside its peer in the same run:
//  - "typing": characters typed one at a time into a short document and into a 1 MB one, at its start
//    and in its middle, with the marks on and with them off, in turn, 60 characters a round for 5 rounds
//    each way: each keystroke is one WM_CHAR, then everything it queued is handled and the control
//    repainted (median, mean and slowest ms over all rounds);
//  - "screen": the marks of the whole view computed (each row read, its words found, checked and
//    placed), and those of the caret's row alone (what a keystroke's repaint computes), in a short
//    document and at the start, middle and end of documents of 1 MB and 10 MB; beside them the whole
//    view painted by the control, with the marks drawn after it and without them.
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
#include "bench_keystrokes.h"
#include "list_files.h"
#include "resource_ids.h"
#include "shell_state.h"
#include "spelling_switch.h"
#include "view_marks.h"

namespace {

const int TypedCharacters = 60;   // a round
const int TypingRounds = 5;       // each way, in turn
const int ScreenRepeats = 21;

void ReportTyping(const char* where, bool on, const std::vector<double>& times)
{
    if (times.empty())
        return;
    double sum = 0;
    for (double time : times)
        sum += time;
    std::printf("typing  marks %-3s  %-16s median %6.2f ms, mean %6.2f ms, slowest %6.2f ms\n", on ? "on" : "off",
                where, Median(times), sum / static_cast<double>(times.size()),
                *std::max_element(times.begin(), times.end()));
}

void SetMarks(HWND frame, bool on)
{
    if (SpellingAsYouTypeOn() != on)
        SendMessageW(frame, WM_COMMAND, IDM_TOOLS_SPELLING_AS_YOU_TYPE, 0);
}

struct ScreenTimes {
    double view;      // median ms, the whole view
    double row;       // median ms, the caret's row
    int marks;        // in the view
    double painted;   // median ms, the view painted with its marks
    double bare;      // median ms, the view painted without marks
};

// Median milliseconds of the control painting its whole view.
double TimeRepaint(HWND edit)
{
    std::vector<double> times;
    for (int i = 0; i < ScreenRepeats; i++) {
        LARGE_INTEGER start = Now();
        InvalidateRect(edit, nullptr, TRUE);
        UpdateWindow(edit);
        times.push_back(Seconds(start, Now()) * 1000);
    }
    return Median(times);
}

// Computing the marks of the view, and of the caret's row, with the caret at character index at.
ScreenTimes TimeScreen(HWND edit, int at)
{
    static ViewMarks found;
    ShowAt(edit, at);
    ScreenTimes times = {};
    std::vector<double> views, rows;
    for (int i = 0; i < ScreenRepeats; i++) {
        LARGE_INTEGER start = Now();
        ViewGeometry view;
        if (GetViewGeometry(edit, view))
            FindViewMarks(edit, view, 0, view.rows, -1, found);
        views.push_back(Seconds(start, Now()) * 1000);
        times.marks = found.count;
        start = Now();
        if (GetViewGeometry(edit, view)) {
            int row = static_cast<int>(SendMessageW(edit, EM_LINEFROMCHAR, static_cast<WPARAM>(at), 0)) - view.firstLine;
            FindViewMarks(edit, view, row, row + 1, -1, found);
        }
        rows.push_back(Seconds(start, Now()) * 1000);
    }
    times.view = Median(views);
    times.row = Median(rows);
    HWND frame = GetAncestor(edit, GA_ROOT);
    times.painted = TimeRepaint(edit);
    SetMarks(frame, false);
    PumpAndPaint(edit);
    times.bare = TimeRepaint(edit);
    SetMarks(frame, true);
    PumpAndPaint(edit);
    return times;
}

void ReportScreen(const char* document, HWND edit, int length)
{
    const char* places[] = {"start", "middle", "end"};
    const int at[] = {0, length / 2, length};
    for (int i = 0; i < 3; i++) {
        ScreenTimes times = TimeScreen(edit, at[i]);
        std::printf("screen  %-6s %-7s view %6.2f ms (%d marks), the caret's row %5.2f ms; the view painted with "
                    "marks %6.2f ms, without %6.2f ms\n",
                    document, places[i], times.view, times.marks, times.row, times.painted, times.bare);
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
    // Keystroke times of each place (short, start, middle), marks on and off.
    std::vector<double> typed[3][2];
    for (int round = 0; round < TypingRounds; round++) {
        for (int on = 1; on >= 0; on--) {
            SetMarks(frame, on != 0);
            SendMessageW(hMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(shortDocument), 0);
            std::vector<double> times[3] = {TimeTyping(shortEdit, 1000, TypedCharacters), {}, {}};
            SendMessageW(hMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(longDocument), 0);
            times[1] = TimeTyping(edit, 0, TypedCharacters);
            times[2] = TimeTyping(edit, middle, TypedCharacters);
            for (int place = 0; place < 3; place++)
                typed[place][on].insert(typed[place][on].end(), times[place].begin(), times[place].end());
        }
    }
    const char* places[] = {"short document:", "start of 1 MB:", "middle of 1 MB:"};
    for (int place = 0; place < 3; place++)
        for (int on = 1; on >= 0; on--)
            ReportTyping(places[place], on != 0, typed[place][on]);
    SetMarks(frame, true);
    SendMessageW(hMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(shortDocument), 0);
    ScreenTimes shortScreen = TimeScreen(shortEdit, 0);
    std::printf("screen  short  whole   view %6.2f ms (%d marks), the caret's row %5.2f ms; the view painted with "
                "marks %6.2f ms, without %6.2f ms\n",
                shortScreen.view, shortScreen.marks, shortScreen.row, shortScreen.painted, shortScreen.bare);
    ReportScreen("1 MB", edit, static_cast<int>(GetWindowTextLengthW(edit)));
    std::string tenText = MarkedText(10 * 1048576);
    HWND tenDocument = NewDocument(tenText);
    HWND tenEdit = GetDlgItem(tenDocument, DocumentEditId);
    ReportScreen("10 MB", tenEdit, static_cast<int>(tenText.size()));
    DestroyWindow(frame);
    return 0;
}
