// Times the spell check's Change All on a long document: a text of plain lines in which a misspelling
// stands a given number of times, evenly spread, changed everywhere as the run does when it stops at
// its first occurrence. With --one-by-one it also times the same change made one occurrence at a
// time, as Change All used to make it, on the same text, and says whether the two texts are the same.
// Usage: change_all_bench [BYTES [COUNT]] [--one-by-one]   (defaults: 1 MB, 2,000)
#include <windows.h>
#include <cstdio>
#include <string>

#include "bench_clock.h"
#include "bench_documents.h"
#include "change_all.h"
#include "change_all_one_by_one.h"
#include "shell_state.h"

namespace {

const char Misspelling[] = "teh";
const wchar_t Correction[] = L"the";

typedef void (*ChangeAllFunction)(HWND window, int editId, const char* word, const wchar_t* replacement,
                                  int32_t mark);

void ChangeAllInOnePass(HWND window, int editId, const char* word, const wchar_t* replacement, int32_t mark)
{
    wchar_t documentWord[32];
    MultiByteToWideChar(CP_ACP, 0, word, -1, documentWord, 32);
    ChangeAllInDocument(GetDlgItem(window, editId), documentWord, word, replacement, &mark, 1);
}

void ChangeOneByOne(HWND window, int editId, const char* word, const wchar_t* replacement, int32_t mark)
{
    ChangeAllOneByOne(GetDlgItem(window, editId), word, replacement, mark);
}

// Changes every occurrence in a new document holding text; gives the document's text afterwards.
std::string TimeChangeAll(const char* how, ChangeAllFunction changeAll, const std::string& text)
{
    HWND document = NewDocument(text);
    int32_t first = static_cast<int32_t>(text.find(Misspelling));
    LARGE_INTEGER start = Now();
    changeAll(document, DocumentEditId, Misspelling, Correction, first);
    LARGE_INTEGER end = Now();
    std::string changed = TextOf(GetDlgItem(document, DocumentEditId));
    std::printf("%s: %.3f s (\"%s\" left %d times)\n", how, Seconds(start, end), Misspelling,
                Occurrences(changed, Misspelling));
    return changed;
}

} // namespace

int main(int argc, char** argv)
{
    BenchArguments arguments = ReadBenchArguments(argc, argv, 2000);
    std::string text = MakeText(arguments.bytes, arguments.count, Misspelling);
    std::printf("document: %u bytes, \"%s\" %d times, changed to \"%ls\"\n", static_cast<unsigned>(text.size()),
                Misspelling, Occurrences(text, Misspelling), Correction);

    HWND frame = StartEditorFrame();
    std::string changed = TimeChangeAll("change all", ChangeAllInOnePass, text);
    if (arguments.oneByOne) {
        std::string reference = TimeChangeAll("one by one", ChangeOneByOne, text);
        std::printf("the same text both ways: %s\n", changed == reference ? "yes" : "NO");
    }
    DestroyWindow(frame);
    return 0;
}
