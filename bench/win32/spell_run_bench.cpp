// Times the spell-check run over a text in an edit control (the document's style: it wraps long lines),
// beside the line-by-line reading it replaced, in the same run: each line asked of the control with
// EM_GETLINE, then its words found and checked, as the run did before it read the text in one piece.
// Every unknown word's dialog is answered Ignore Once as soon as it runs (its check and suggestions
// included in the time).
//   spell_run_bench ROOT TEXT [UNKNOWN_EVERY]
// ROOT stands for C:\ (it holds ZOLT\SPELL\ with the word lists). With UNKNOWN_EVERY = N, every N-th
// word of the text is replaced by a word that no list holds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../bench_arguments.h"
#include "list_files.h"
#include "spell_run.h"
#include "message_boxes.h"
#include "word_check.h"
#include "word_field.h"
#include "word_scanner.h"

namespace {

const int EditId = 101;
const int Rounds = 3;   // each way, in turn
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

// The run's reading before it took the text in one piece: line by line from the control, 1,024
// characters at most a line, each line's words found and checked. Kept here as the peer; gives the
// number of unknown words (no dialog opens).
long CheckLineByLine(HWND edit)
{
    const int lineCapacity = 1024;
    static char line[lineCapacity + 1];
    static wchar_t wide[lineCapacity + 1];
    long unknown = 0;
    int lines = static_cast<int>(SendMessageW(edit, EM_GETLINECOUNT, 0, 0));
    for (int number = 0; number < lines; number++) {
        wide[0] = static_cast<wchar_t>(lineCapacity);
        int n = static_cast<int>(SendMessageW(edit, EM_GETLINE, static_cast<WPARAM>(number),
                                              reinterpret_cast<LPARAM>(wide)));
        n = n < 0 ? 0 : (n > lineCapacity ? lineCapacity : n);
        for (int i = 0; i < n; i++)
            line[i] = wide[i] < 0x100 ? static_cast<char>(wide[i]) : ' ';
        line[n] = 0;
        int32_t length32 = n, start = 0, position = 0, length = 0;
        for (;;) {
            WordField word;
            NextWord(line, length32, start, position, word, length);
            if (length == 0)
                break;
            start = position + length;
            int16_t status = 0;
            CheckWord(word, status);
            if (!Succeeded(status)) {
                unknown++;
                // The run asked for the line's first character to select the word.
                SendMessageW(edit, EM_LINEINDEX, static_cast<WPARAM>(number), 0);
            }
        }
    }
    return unknown;
}

// The same words through NextWord and CheckWord alone, without the edit control: the engine's share.
long CheckTextDirectly(const std::string& text)
{
    long unknown = 0;
    int32_t n = static_cast<int32_t>(text.size()), start = 0, position = 0, length = 0;
    for (;;) {
        WordField word;
        NextWord(text.c_str(), n, start, position, word, length);
        if (length == 0)
            break;
        start = position + length;
        int16_t status = 0;
        CheckWord(word, status);
        if (!Succeeded(status))
            unknown++;
    }
    return unknown;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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
    std::wstring wideText(text.begin(), text.end());

    HWND window = CreateWindowExW(0, L"STATIC", L"bench", WS_OVERLAPPEDWINDOW, 0, 0, 850, 500, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL, 0, 0,
                                830, 460, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(EditId)),
                                GetModuleHandleW(nullptr), nullptr);
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    SetWindowTextW(edit, wideText.c_str());

    LARGE_INTEGER t0 = Now();
    WordField first;
    CopyToField(first.ch, WordWidth, "the", 3);
    int16_t status = 0;
    CheckWord(first, status);   // loads the word lists
    LARGE_INTEGER t1 = Now();
    if (status > 1) {
        std::fprintf(stderr, "spell_run_bench: the word lists under %s cannot be read (%d)\n", argv[1], status);
        return 1;
    }
    std::printf("%ld words, %ld lines as the control shows them; list load %.3f s\n", words,
                static_cast<long>(SendMessageW(edit, EM_GETLINECOUNT, 0, 0)), Seconds(t0, t1));

    SetMessageBoxForTesting(RecordFinalMessage);
    HHOOK hook = SetWindowsHookExW(WH_CBT, AnswerIgnoreOnce, nullptr, GetCurrentThreadId());
    std::vector<double> runs, peers;
    long peerUnknown = 0;
    for (int round = 0; round < Rounds; round++) {
        SendMessageW(edit, EM_SETSEL, 0, 0);
        DialogsAnswered = 0;
        LARGE_INTEGER start = Now();
        SpellCheckRun(window, EditId);
        runs.push_back(Seconds(start, Now()));
        start = Now();
        peerUnknown = CheckLineByLine(edit);
        peers.push_back(Seconds(start, Now()));
    }
    UnhookWindowsHookEx(hook);

    double perThousand = static_cast<double>(words) / 1000.0;
    std::printf("spell run (the text read in one piece): %d dialogs answered Ignore Once, final caption \"%ls\"\n",
                DialogsAnswered, FinalCaption.c_str());
    for (int round = 0; round < Rounds; round++)
        std::printf("  round %d: run %.3f s (%.3f ms per 1,000 words); line by line, no dialogs, %ld unknown: %.3f s "
                    "(%.3f ms per 1,000 words)\n",
                    round + 1, runs[round], runs[round] * 1000.0 / perThousand, peerUnknown, peers[round],
                    peers[round] * 1000.0 / perThousand);
    std::printf("median: run %.3f s, line by line %.3f s\n", Median(runs), Median(peers));

    LARGE_INTEGER t3 = Now();
    long unknown = CheckTextDirectly(text);
    LARGE_INTEGER t4 = Now();
    std::printf("NextWord and CheckWord alone: %.3f s (%ld unknown): %.3f ms per 1,000 words\n", Seconds(t3, t4),
                unknown, Seconds(t3, t4) * 1000.0 / perThousand);
    DestroyWindow(window);
    return 0;
}
