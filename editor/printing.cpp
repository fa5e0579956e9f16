#include "printing.h"

#include <commdlg.h>

#include "editor_hooks.h"
#include "handle_holders.h"
#include "message_boxes.h"
#include "page_setup.h"
#include "print_box_ids.h"
#include "print_layout.h"
#include "shell_state.h"
#include "texts.h"

int userAbort = 0;
HWND hPrintDialog = nullptr;

namespace {

// Pages counted between two looks at the message queue, so that Cancel works on long documents.
const int PagesBetweenPumps = 16;

PRINTDLGW printRecord;
DOCINFOW printJob;
wchar_t printJobName[MAX_PATH];

// What the page loop needs to put pages on the printer.
struct PrinterJob {
    const PrintLayout* print;
    HWND box;
};

bool StartPrinterPage(void* context, int page, int)
{
    auto* job = static_cast<PrinterJob*>(context);
    wchar_t sending[64];
    wsprintfW(sending, WIDE(TEXT_PAGE_NUMBER), page + 1, job->print->pageCount);
    if (job->box != nullptr && IsWindow(job->box))
        SetDlgItemTextW(job->box, PRINT_BOX_PAGE_ID, sending);
    return StartPage(job->print->printer) > 0;
}

void PrintPrinterPage(void* context, int page)
{
    auto* job = static_cast<PrinterJob*>(context);
    DrawPrintedPage(*job->print, job->print->printer, page);
}

bool EndPrinterPage(void* context)
{
    return EndPage(static_cast<PrinterJob*>(context)->print->printer) > 0;
}

bool UserCancelled(void* context)
{
    PrintAbortProc(static_cast<PrinterJob*>(context)->print->printer, 0);
    return userAbort != 0;
}

void FillPrintRecord(HWND frame)
{
    ZeroMemory(&printRecord, sizeof(printRecord));
    printRecord.lStructSize = sizeof(printRecord);
    printRecord.hwndOwner = frame;
    printRecord.Flags = PD_RETURNDC | PD_COLLATE | PD_NOSELECTION;
    printRecord.nCopies = 1;
    OfferPrinterSettings(printRecord.hDevMode, printRecord.hDevNames);
}

// The job is named after the document, as the spooler lists it and a PDF printer names its file.
bool StartPrintJob(HDC printer, HWND document)
{
    ZeroMemory(&printJob, sizeof(printJob));
    GetWindowTextW(document, printJobName, MAX_PATH);
    printJob.cbSize = sizeof(printJob);
    printJob.lpszDocName = printJobName;
    return StartDocW(printer, &printJob) > 0;
}

// Counts the pages, with the queue looked at now and then; false when there was no memory for them
// or the user cancelled.
bool CountAllPages(PrintLayout& print)
{
    bool noMemory = false;
    while (!CountPages(print, PagesBetweenPumps, noMemory)) {
        if (noMemory)
            return false;
        if (!PrintAbortProc(print.printer, 0))
            return false;
    }
    return true;
}

// Sends every page to the printer with the printing box up; false when not all was printed. A
// cancelled or failed job is abandoned whole: the spooler keeps no part of it.
bool SendPages(HINSTANCE instance, HWND frame, HWND document, PrintLayout& print)
{
    EnableWindow(frame, FALSE);
    userAbort = 0;
    hPrintDialog = CreateDialogParamW(instance, WIDE(TEXT_PRINT_BOX_NAME), frame, PrintAbortDialogProc, 0);
    PrinterJob job = {&print, hPrintDialog};
    wchar_t title[MAX_PATH] = L"";
    GetWindowTextW(document, title, MAX_PATH);
    SetDlgItemTextW(hPrintDialog, PRINT_BOX_NAME_ID, title);
    SetAbortProc(print.printer, PrintAbortProc);

    bool printed = CountAllPages(print) && StartPrintJob(print.printer, document);
    if (printed) {
        PageSink sink = {&job, StartPrinterPage, PrintPrinterPage, EndPrinterPage, UserCancelled};
        bool collate = (printRecord.Flags & PD_COLLATE) != 0;
        printed = PrintPages(print.pageCount, printRecord.nCopies, collate, sink);
        if (printed && !userAbort)
            EndDoc(print.printer);
        else
            AbortDoc(print.printer);
    }
    // After a Cancel the box's procedure has enabled the frame and destroyed the box already.
    if (!userAbort) {
        EnableWindow(frame, TRUE);
        DestroyWindow(hPrintDialog);
        hPrintDialog = nullptr;
    }
    return printed && !userAbort;
}

} // namespace

bool PrintDocument(HINSTANCE instance, HWND frame, HWND document)
{
    FillPrintRecord(frame);
    BOOL chosen = ShowPrintDialog(&printRecord);
    // The printer and paper chosen stay for the print preview and the next print.
    KeepPrinterSettings(printRecord.hDevMode, printRecord.hDevNames);
    printRecord.hDevMode = printRecord.hDevNames = nullptr;
    if (!chosen)
        return true;
    PrinterDCHolder printer(printRecord.hDC);
    printRecord.hDC = nullptr;
    PrintLayout print;
    if (!printer.IsValid() || !OpenPrintLayout(print, printer.Get(), document, CurrentPageChoices()))
        return false;
    bool printed = SendPages(instance, frame, document, print);
    ClosePrintLayout(print);
    return printed;
}

void PrintDocumentWindow(HWND frame, HWND document)
{
    // The printed file's name is the document's title: its path, or "[Untitled]".
    wchar_t name[MAX_PATH] = L"";
    GetWindowTextW(document, name, MAX_PATH);
    if (!PrintDocument(hAppInstance, frame, document))
        ShowNamedMessage(frame, WIDE(TEXT_UNABLE_TO_PRINT), name, WIDE(TEXT_MESSAGE_CAPTION), MB_ICONEXCLAMATION);
}

void PrintActiveDocument(HWND frame)
{
    HWND document = ActiveDocument();
    if (document != nullptr)
        PrintDocumentWindow(frame, document);
}

INT_PTR CALLBACK PrintAbortDialogProc(HWND box, UINT message, WPARAM, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        EnableMenuItem(GetSystemMenu(box, FALSE), SC_CLOSE, MF_GRAYED);
        return TRUE;
    case WM_COMMAND:
        userAbort = 1;
        EnableWindow(GetParent(box), TRUE);
        DestroyWindow(box);
        hPrintDialog = nullptr;
        return TRUE;
    }
    return FALSE;
}

BOOL CALLBACK PrintAbortProc(HDC, int)
{
    MSG message;
    while (!userAbort && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (hPrintDialog == nullptr || !IsDialogMessageW(hPrintDialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return userAbort ? FALSE : TRUE;
}
