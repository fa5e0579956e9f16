#include "printing.h"

#include <commdlg.h>

#include "document_text.h"
#include "editor_hooks.h"
#include "handle_holders.h"
#include "print_box_ids.h"
#include "print_pages.h"
#include "shell_state.h"
#include "texts.h"

int userAbort = 0;
HWND hPrintDialog = nullptr;

namespace {

PRINTDLGW printRecord;
DOCINFOW printJob;
wchar_t printJobName[MAX_PATH];

// What the page loop needs to put printed lines on the printer.
struct PrinterPage {
    HDC printer;
    int width;             // of the printable area, in printer units
    int averageChars;      // characters of average width across it, when measuring fails
};

// A page step fails when the printer gives a value below 0.
bool StartPrinterPage(void* context)
{
    return StartPage(static_cast<PrinterPage*>(context)->printer) >= 0;
}

bool EndPrinterPage(void* context)
{
    return EndPage(static_cast<PrinterPage*>(context)->printer) >= 0;
}

bool UserCancelled(void*)
{
    return userAbort != 0;
}

int FittingChars(void* context, const char* text, int length)
{
    auto* page = static_cast<PrinterPage*>(context);
    // No character is narrower than one printer unit: more than the width in units never fits.
    int measured = length < page->width + 1 ? length : page->width + 1;
    int fit = 0;
    SIZE size;
    if (!GetTextExtentExPointA(page->printer, text, measured, page->width, &fit, nullptr, &size))
        return length < page->averageChars ? length : page->averageChars;
    return fit;
}

void PrintText(void* context, const char* text, int length, int y)
{
    TextOutA(static_cast<PrinterPage*>(context)->printer, 0, y, text, length);
}

void FillPrintRecord(HWND frame)
{
    ZeroMemory(&printRecord, sizeof(printRecord));
    printRecord.lStructSize = sizeof(printRecord);
    printRecord.hwndOwner = frame;
    printRecord.Flags = PD_RETURNDC | PD_COLLATE | PD_NOSELECTION;
    printRecord.nCopies = 1;
}

// The dialog hands back device settings it allocated; nothing keeps them between prints.
void ReleasePrinterSettings()
{
    if (printRecord.hDevMode != nullptr)
        GlobalFree(printRecord.hDevMode);
    if (printRecord.hDevNames != nullptr)
        GlobalFree(printRecord.hDevNames);
    printRecord.hDevMode = nullptr;
    printRecord.hDevNames = nullptr;
}

// The job is named after the document, as the spooler lists it and a PDF printer names its file.
bool StartPrintJob(HDC printer, const wchar_t* name)
{
    ZeroMemory(&printJob, sizeof(printJob));
    lstrcpynW(printJobName, name, MAX_PATH);
    printJob.cbSize = sizeof(printJob);
    printJob.lpszDocName = printJobName;
    return StartDocW(printer, &printJob) > 0;
}

// The document's text in the ANSI code page, as the printer's own font prints it.
struct PrintedText {
    HeapText<char> text;
    int length = 0;
};

bool CopyPrintedText(HWND edit, PrintedText& printed)
{
    DocumentTextCopy text(edit);
    if (!text.IsValid())
        return false;
    int size = text.Length() == 0 ? 0
                                  : WideCharToMultiByte(CP_ACP, 0, text.Text(), text.Length(), nullptr, 0, nullptr, nullptr);
    if (!printed.text.Allocate(static_cast<SIZE_T>(size) + 1))
        return false;
    if (size > 0)
        WideCharToMultiByte(CP_ACP, 0, text.Text(), text.Length(), printed.text.Get(), size, nullptr, nullptr);
    printed.text.Get()[size] = '\0';
    printed.length = size;
    return true;
}

// Sends every page to the printer with the printing box up; false when not all was printed.
bool SendPages(HINSTANCE instance, HWND frame, HWND edit, HDC printer, const wchar_t* name)
{
    PrintedText text;
    if (!CopyPrintedText(edit, text))
        return false;
    TEXTMETRICA metrics;
    ZeroMemory(&metrics, sizeof(metrics));
    GetTextMetricsA(printer, &metrics);
    PageGeometry pages = MeasurePages(metrics.tmHeight, metrics.tmExternalLeading, GetDeviceCaps(printer, VERTRES));
    int width = GetDeviceCaps(printer, HORZRES);
    PrinterPage page = {printer, width, width / (metrics.tmAveCharWidth > 0 ? metrics.tmAveCharWidth : 1)};

    EnableWindow(frame, FALSE);
    userAbort = 0;
    hPrintDialog = CreateDialogParamW(instance, WIDE(TEXT_PRINT_BOX_NAME), frame, PrintAbortDialogProc, 0);
    SetDlgItemTextW(hPrintDialog, PRINT_BOX_NAME_ID, name);
    SetAbortProc(printer, PrintAbortProc);

    bool printed = StartPrintJob(printer, name);
    if (printed) {
        PageSink sink = {&page, StartPrinterPage, FittingChars, PrintText, EndPrinterPage, UserCancelled};
        bool collate = (printRecord.Flags & PD_COLLATE) != 0;
        printed = PrintPages(pages, text.text.Get(), text.length, printRecord.nCopies, collate, sink);
    }
    if (printed)
        EndDoc(printer);
    // After a Cancel the box's procedure has enabled the frame and destroyed the box already.
    if (!userAbort) {
        EnableWindow(frame, TRUE);
        DestroyWindow(hPrintDialog);
        hPrintDialog = nullptr;
    }
    return printed && !userAbort;
}

} // namespace

bool PrintDocument(HINSTANCE instance, HWND frame, HWND document, const wchar_t* name)
{
    FillPrintRecord(frame);
    if (!ShowPrintDialog(&printRecord))
        return true;
    PrinterDCHolder printer(printRecord.hDC);
    printRecord.hDC = nullptr;
    bool printed = printer.IsValid() && SendPages(instance, frame, GetDlgItem(document, DocumentEditId),
                                                  printer.Get(), name);
    ReleasePrinterSettings();
    return printed;
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
