// Times the editor on Unicode text, each figure beside its peer in the same run:
//  - "open": a 10 MB UTF-8 file with accented letters beside an ANSI file of the same characters,
//    each opened five times in turn through File > Open without the dialog (median seconds, ratio);
//  - "typing": 200 characters typed one at a time into a 1 MB document, at its start and in its
//    middle, beside a short document and beside the system's edit control alone holding the same texts:
//    each keystroke is one WM_CHAR, then everything it queued (the status bar's caret position) is
//    handled and the control repainted (median and slowest ms).
// Usage: text_bench [FOLDER]   (the folder for the two files; default: the current folder)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "bench_documents.h"
#include "bench_keystrokes.h"
#include "caret_position.h"
#include "documents.h"
#include "file_commands.h"
#include "shell_state.h"

namespace {

const int OpenRounds = 5;
const int TypedCharacters = 200;

// The same text in two encodings: accented letters stand in Windows-1252 as one byte, in UTF-8 as two.
void WriteFiles(const std::wstring& folder, std::wstring& ansiPath, std::wstring& utf8Path)
{
    std::string text = MakeText(10 * 1048576, 0, "");
    std::string ansi, utf8;
    for (size_t i = 0; i < text.size(); i++) {
        // Every "o" of "over" and "fox" becomes an "ö".
        bool accented = text[i] == 'o' && i + 1 < text.size() && (text[i + 1] == 'v' || text[i + 1] == 'x');
        ansi += accented ? '\xF6' : text[i];
        utf8 += accented ? std::string("\xC3\xB6") : std::string(1, text[i]);
    }
    ansiPath = folder + L"ansi-10mb.txt";
    utf8Path = folder + L"utf8-10mb.txt";
    const std::pair<std::wstring, std::string> files[] = {{ansiPath, ansi}, {utf8Path, utf8}};
    for (const auto& file : files) {
        HANDLE handle = CreateFileW(file.first.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(handle, file.second.data(), static_cast<DWORD>(file.second.size()), &written, nullptr);
        CloseHandle(handle);
    }
}

double TimeOpen(const std::wstring& path)
{
    LARGE_INTEGER start = Now();
    OpenFileInNewDocument(path.c_str());
    LARGE_INTEGER end = Now();
    DiscardDocument(ActiveDocument());
    return Seconds(start, end);
}

void ReportTyping(const char* where, const std::vector<double>& times)
{
    std::printf("typing %-22s median %.2f ms, slowest %.2f ms\n", where, Median(times),
                *std::max_element(times.begin(), times.end()));
}

} // namespace

int main(int argc, char** argv)
{
    wchar_t folder[MAX_PATH] = L".\\";
    if (argc > 1)
        MultiByteToWideChar(CP_ACP, 0, (std::string(argv[1]) + "\\").c_str(), -1, folder, MAX_PATH);
    HWND frame = StartEditorFrame();

    std::wstring ansiPath, utf8Path;
    WriteFiles(folder, ansiPath, utf8Path);
    std::vector<double> ansiTimes, utf8Times, ratios;
    for (int round = 0; round < OpenRounds; round++) {
        double ansi = TimeOpen(ansiPath);
        double utf8 = TimeOpen(utf8Path);
        ansiTimes.push_back(ansi);
        utf8Times.push_back(utf8);
        ratios.push_back(utf8 / ansi);
    }
    std::printf("open 10 MB: ANSI median %.3f s, UTF-8 median %.3f s, UTF-8/ANSI median %.2f (%d rounds)\n",
                Median(ansiTimes), Median(utf8Times), Median(ratios), OpenRounds);
    DeleteFileW(ansiPath.c_str());
    DeleteFileW(utf8Path.c_str());

    std::string longText = MakeText(1048576, 0, "");
    HWND shortDocument = NewDocument(MakeText(2000, 0, ""));
    ReportTyping("in a short document:", TimeTyping(GetDlgItem(shortDocument, DocumentEditId), 1000, TypedCharacters));
    HWND longDocument = NewDocument(longText);
    HWND edit = GetDlgItem(longDocument, DocumentEditId);
    ReportTyping("at the start of 1 MB:", TimeTyping(edit, 0, TypedCharacters));
    ReportTyping("in the middle of 1 MB:", TimeTyping(edit, static_cast<int>(longText.size() / 2), TypedCharacters));
    // The peer: the system's edit control alone, with the same styles, size, font and text.
    HWND bare = BareControl(edit, MakeText(2000, 0, ""), hEditorFont);
    ReportTyping("bare control, short:", TimeTyping(bare, 1000, TypedCharacters));
    SetWindowTextA(bare, longText.c_str());
    ReportTyping("bare control, middle:", TimeTyping(bare, static_cast<int>(longText.size() / 2), TypedCharacters));
    DestroyWindow(bare);
    // Of each keystroke, what the status bar's caret position costs.
    LARGE_INTEGER start = Now();
    for (int i = 0; i < TypedCharacters; i++)
        ShowCaretPosition();
    std::printf("caret position in the middle of 1 MB: %.2f ms\n", Seconds(start, Now()) * 1000 / TypedCharacters);
    DestroyWindow(frame);
    return 0;
}
