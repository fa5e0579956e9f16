// Times the spell-check run over a text in an edit control. Every unknown word's dialog is answered
// Ignore Once as soon as it runs (its check and suggestions included in the time).
//   spell_run_bench ROOT TEXT [UNKNOWN_EVERY]
// ROOT stands for C:\ (it holds ZOLT\SPELL\ with the word lists). With UNKNOWN_EVERY = N, every N-th
// word of the text is replaced by a word that no list holds.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "../bench_arguments.h"
#include "list_files.h"
#include "spell_run.h"
#include "message_boxes.h"
#include "word_check.h"
#include "word_field.h"
#include "word_scanner.h"

namespace {

const int EditId = 101;
int DialogsAnswered = 0;
std::wstring FinalCaption;

// A hook on window creation (unlike a message hook, it costs nothing while the run reads the text):
// each dialog gets an Ignore Once press queued, which it takes as soon as its modal loop runs.
LRESULT CALLBACK AnswerIgnoreOnce(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char className[16] = {};
        GetClassNameA(window, className, sizeof className);
        if (std::string(className) == "#32770") {
            DialogsAnswered++;
            PostMessageA(window, WM_COMMAND, MAKEWPARAM(1003, BN_CLICKED), 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int RecordFinalMessage(HWND, const wchar_t*, const wchar_t* caption, UINT)
{
    FinalCaption = caption;
    return IDOK;
}

// Replaces every n-th word with one that no list holds; gives the number of words.
long PlantUnknownWords(std::string& text, long every)
{
    std::string out;
    long words = 0;
    bool inWord = false;
    for (size_t i = 0; i < text.size(); i++) {
        char c = text[i];
        bool wordChar = c != ' ' && c != '\n' && c != '\r';
        if (wordChar && !inWord) {
            words++;
            if (every > 0 && words % every == 0) {
                out += "Qzxvjk";
                while (i + 1 < text.size() && text[i + 1] != ' ' && text[i + 1] != '\n' && text[i + 1] != '\r')
                    i++;
                inWord = true;
                continue;
            }
        }
        inWord = wordChar;
        out += c == '\n' && (i == 0 || text[i - 1] != '\r') ? std::string("\r\n") : std::string(1, c);
    }
    text = out;
    return words;
}

// The same words through NextWord and CheckWord alone, without the edit control: the engine's share.
long CheckLinesDirectly(const std::string& text)
{
    long unknown = 0;
    size_t from = 0;
    while (from < text.size()) {
        size_t end = text.find('\n', from);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(from, end - from);
        from = end + 1;
        int32_t n = static_cast<int32_t>(line.size()), start = 0, position = 0, length = 0;
        for (;;) {
            WordField word;
            NextWord(line.c_str(), n, start, position, word, length);
            if (length == 0)
                break;
            start = position + length;
            int16_t status = 0;
            CheckWord(word, status);
            if (status > 0)
                unknown++;
        }
    }
    return unknown;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

} // namespace

int main(int argc, char** argv)
{
    if (MissingArguments(argc, 2, "spell_run_bench ROOT TEXT [UNKNOWN_EVERY]"))
        return 2;
    long every = OptionalCount(argc, argv, 3, 0);
    SetDriveRoot(argv[1]);
    std::ifstream in(argv[2], std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::string text = bytes.str();
    long words = PlantUnknownWords(text, every);

    HWND window = CreateWindowExA(0, "STATIC", "bench", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL,
                                0, 0, 580, 360, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(EditId)),
                                GetModuleHandleA(nullptr), nullptr);
    SendMessageA(edit, EM_SETLIMITTEXT, 0, 0);
    SetWindowTextA(edit, text.c_str());
    SendMessageA(edit, EM_SETSEL, 0, 0);

    LARGE_INTEGER t0, t1, t2;
    QueryPerformanceCounter(&t0);
    WordField first;
    CopyToField(first.ch, WordWidth, "the", 3);
    int16_t status = 0;
    CheckWord(first, status);   // loads the word lists
    QueryPerformanceCounter(&t1);
    if (status > 1) {
        std::fprintf(stderr, "spell_run_bench: the word lists under %s cannot be read (%d)\n", argv[1], status);
        return 1;
    }

    SetMessageBoxForTesting(RecordFinalMessage);
    HHOOK hook = SetWindowsHookExA(WH_CBT, AnswerIgnoreOnce, nullptr, GetCurrentThreadId());
    SpellCheckRun(window, EditId);
    QueryPerformanceCounter(&t2);
    UnhookWindowsHookEx(hook);

    double run = Seconds(t1, t2);
    std::printf("%ld words, %ld lines, %d dialogs answered Ignore Once, final caption \"%ls\"\n", words,
                static_cast<long>(SendMessageA(edit, EM_GETLINECOUNT, 0, 0)), DialogsAnswered, FinalCaption.c_str());
    std::printf("list load %.3f s; run %.3f s: %.3f ms per 1,000 words\n", Seconds(t0, t1), run,
                run * 1000.0 / (static_cast<double>(words) / 1000.0));

    LARGE_INTEGER t3, t4;
    QueryPerformanceCounter(&t3);
    long unknown = CheckLinesDirectly(text);
    QueryPerformanceCounter(&t4);
    std::printf("NextWord and CheckWord alone: %.3f s (%ld unknown): %.3f ms per 1,000 words\n", Seconds(t3, t4),
                unknown, Seconds(t3, t4) * 1000.0 / (static_cast<double>(words) / 1000.0));
    DestroyWindow(window);
    return 0;
}
