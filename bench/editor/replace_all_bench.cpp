// Times Replace All on a long document: a text of plain lines in which one word stands a given
// number of times, evenly spread, replaced by a longer word through the Replace dialog's request.
// With --one-by-one it also times the same replacements made one after another with Replace, as
// Replace All used to make them, on the same text.
// Usage: replace_all_bench [BYTES [COUNT]] [--one-by-one]   (defaults: 1 MB, 2,277)
#include <windows.h>
#include <cstdio>
#include <string>

#include "bench_clock.h"
#include "bench_documents.h"
#include "find_replace.h"
#include "shell_state.h"

namespace {

const char Wanted[] = "zebra";
const char Replacement[] = "giraffe";
wchar_t WideWanted[] = L"zebra";
wchar_t WideReplacement[] = L"giraffe";

FINDREPLACEW ReplaceAllRequest()
{
    FINDREPLACEW record;
    ZeroMemory(&record, sizeof(record));
    record.lStructSize = sizeof(record);
    record.Flags = FR_REPLACEALL;
    record.lpstrFindWhat = WideWanted;
    record.lpstrReplaceWith = WideReplacement;
    return record;
}

void Report(const char* how, HWND document, LARGE_INTEGER start, LARGE_INTEGER end)
{
    std::string text = TextOf(GetDlgItem(document, DocumentEditId));
    std::printf("%s: %d replacements in %.3f s (%d left unreplaced)\n", how, Occurrences(text, Replacement),
                Seconds(start, end), Occurrences(text, Wanted));
}

} // namespace

int main(int argc, char** argv)
{
    BenchArguments arguments = ReadBenchArguments(argc, argv, 2277);
    std::string text = MakeText(arguments.bytes, arguments.count, Wanted);
    std::printf("document: %u bytes, \"%s\" %d times, replaced by \"%s\"\n", static_cast<unsigned>(text.size()),
                Wanted, Occurrences(text, Wanted), Replacement);

    HWND frame = StartEditorFrame();

    LARGE_INTEGER setStart = Now();
    HWND document = NewDocument(text);
    LARGE_INTEGER setEnd = Now();
    std::printf("text set: %.3f s (a new document window given the whole text once)\n", Seconds(setStart, setEnd));
    FINDREPLACEW request = ReplaceAllRequest();
    searchPos = 0;
    LARGE_INTEGER start = Now();
    HandleFindRequest(document, reinterpret_cast<LPARAM>(&request));
    LARGE_INTEGER end = Now();
    Report("replace all", document, start, end);

    if (arguments.oneByOne) {
        HWND peer = NewDocument(text);
        HWND edit = GetDlgItem(peer, DocumentEditId);
        int position = 0;
        start = Now();
        // Each Replace steps back by the search text's length: go on after the inserted text.
        while (ReplaceInEdit(edit, position, request))
            position = lastFoundPos + lstrlenA(Replacement) + lstrlenA(Wanted);
        end = Now();
        Report("one by one", peer, start, end);
    }
    DestroyWindow(frame);
    return 0;
}
