// Times the print preview and the printed layout of a long document on the default printer (the PDF
// printer of the test command): the preview opened until its first page is painted, the whole layout
// (every page counted) on its own, and the first page drawn for the printer in a job that is then
// abandoned, beside the time the same text takes to be set into a document window.
// Usage: print_layout_bench [BYTES]   (default: 1 MB)
#include <windows.h>
#include <cstdio>
#include <string>

#include "bench_clock.h"
#include "bench_documents.h"
#include "page_setup.h"
#include "print_layout.h"
#include "print_preview.h"
#include "shell_state.h"

int main(int argc, char** argv)
{
    BenchArguments arguments = ReadBenchArguments(argc, argv, 0);
    std::string text = MakeText(arguments.bytes, 0, "");
    HWND frame = StartEditorFrame();

    LARGE_INTEGER start = Now();
    HWND document = NewDocument(text);
    LARGE_INTEGER end = Now();
    std::printf("document: %u bytes; text set: %.3f s (a new document window given the whole text once)\n",
                static_cast<unsigned>(text.size()), Seconds(start, end));

    start = Now();
    PrintPreviewCommand(frame);
    end = Now();
    PreviewView view;
    if (!ViewOfPrintPreview(view)) {
        std::printf("no preview: is there a default printer?\n");
        return 1;
    }
    std::printf("print preview: first page shown after %.3f s, %d pages\n", Seconds(start, end), view.pageCount);
    DestroyWindow(PrintPreviewWindow());

    HDC printer = CreateLayoutPrinter();
    PrintLayout print;
    bool noMemory = false;
    start = Now();
    bool laidOut = OpenPrintLayout(print, printer, document, CurrentPageChoices()) &&
                   CountPages(print, 0x7FFFFFFF, noMemory);
    end = Now();
    std::printf("whole layout: %.3f s, %d pages%s\n", Seconds(start, end), print.pageCount,
                laidOut ? "" : " (failed)");

    DOCINFOW job = {sizeof(job), L"print layout bench", nullptr, nullptr, 0};
    start = Now();
    StartDocW(printer, &job);
    StartPage(printer);
    DrawPrintedPage(print, printer, 0);
    EndPage(printer);
    end = Now();
    AbortDoc(printer);
    std::printf("first printed page drawn and sent: %.3f s after the layout (the job then abandoned)\n",
                Seconds(start, end));
    ClosePrintLayout(print);
    DeleteDC(printer);
    DestroyWindow(frame);
    return 0;
}
