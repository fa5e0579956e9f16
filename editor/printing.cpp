#include "printing.h"

#include <commdlg.h>

#include "dialog_seam.h"
#include "print_box_ids.h"
#include "print_pages.h"
#include "shell_state.h"
#include "texts.h"

int userAbort = 0;
HWND hPrintDialog = nullptr;

namespace {

PRINTDLGA printRecord;
DOCINFOA printJob;
char printJobName[324];

// What the page loop needs to put one document line on the printer.
struct PrinterPage {
    HDC printer;
    HWND edit;
    char* line;
    int charsPerLine;
};

int StartPrinterPage(void* context)
{
    return StartPage(static_cast<PrinterPage*>(context)->printer);
}

int EndPrinterPage(void* context)
{
    return EndPage(static_cast<PrinterPage*>(context)->printer);
}

int UserCancelled(void*)
{
    return userAbort;
}

void PrintDocumentLine(void* context, int documentLine, int y)
{
    auto* page = static_cast<PrinterPage*>(context);
    // EM_GETLINE reads the buffer size from the buffer's first 16-bit word.
    WORD size = page->charsPerLine > 0xFFFF ? 0xFFFF : static_cast<WORD>(page->charsPerLine);
    CopyMemory(page->line, &size, sizeof(size));
    int count = static_cast<int>(SendMessageA(page->edit, EM_GETLINE, static_cast<WPARAM>(documentLine),
                                              reinterpret_cast<LPARAM>(page->line)));
    if (count > 0)
        TextOutA(page->printer, 0, y, page->line, count);
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

int StartPrintJob(HDC printer, HWND frame)
{
    ZeroMemory(&printJob, sizeof(printJob));
    printJobName[0] = '\0';
    GetWindowTextA(GetDlgItem(frame, FrameMDIClientId), printJobName, sizeof(printJobName));
    printJob.cbSize = sizeof(printJob);
    printJob.lpszDocName = printJobName;
    return StartDocA(printer, &printJob);
}

// Sends every page to the printer with the printing box up; 1 when printed, 0 otherwise.
int SendPages(HINSTANCE instance, HWND frame, HWND edit, HDC printer, const char* name)
{
    int lines = static_cast<int>(SendMessageA(edit, EM_GETLINECOUNT, 0, 0));
    if (lines == 0)
        return 1;
    TEXTMETRICA metrics;
    ZeroMemory(&metrics, sizeof(metrics));
    GetTextMetricsA(printer, &metrics);
    PageGeometry pages = MeasurePages(metrics.tmHeight, metrics.tmExternalLeading, metrics.tmAveCharWidth,
                                      GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES), lines);
    // At least room for the 16-bit size word that EM_GETLINE reads.
    SIZE_T bufferSize = static_cast<SIZE_T>(pages.charsPerLine) + 1;
    if (bufferSize < sizeof(WORD))
        bufferSize = sizeof(WORD);
    char* line = static_cast<char*>(GlobalAlloc(GPTR, bufferSize));
    if (line == nullptr)
        return 0;

    EnableWindow(frame, FALSE);
    int success = 1;
    userAbort = 0;
    hPrintDialog = CreateDialogParamA(instance, TEXT_PRINT_BOX_NAME, frame, PrintAbortDialogProc, 0);
    SetDlgItemTextA(hPrintDialog, PRINT_BOX_NAME_ID, name);
    SetAbortProc(printer, PrintAbortProc);

    if (StartPrintJob(printer, frame) <= 0) {
        success = 0;
    } else {
        PrinterPage page = {printer, edit, line, pages.charsPerLine};
        PageSink sink = {&page, StartPrinterPage, PrintDocumentLine, EndPrinterPage, UserCancelled};
        bool collate = (printRecord.Flags & PD_COLLATE) != 0;
        success = PrintPages(pages, lines, printRecord.nCopies, collate, sink);
    }
    if (success == 1)
        EndDoc(printer);
    // After a Cancel the box's procedure has enabled the frame and destroyed the box already.
    if (!userAbort) {
        EnableWindow(frame, TRUE);
        DestroyWindow(hPrintDialog);
        hPrintDialog = nullptr;
    }
    GlobalFree(line);
    return success == 1 && !userAbort ? 1 : 0;
}

} // namespace

int PrintDocument(HINSTANCE instance, HWND frame, HWND document, const char* name)
{
    FillPrintRecord(frame);
    if (!ShowPrintDialog(&printRecord))
        return 1;
    HDC printer = printRecord.hDC;
    int result = 0;
    if (printer != nullptr) {
        result = SendPages(instance, frame, GetDlgItem(document, DocumentEditId), printer, name);
        DeleteDC(printer);
    }
    printRecord.hDC = nullptr;
    ReleasePrinterSettings();
    return result;
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
    while (!userAbort && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (hPrintDialog == nullptr || !IsDialogMessageA(hPrintDialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return userAbort ? FALSE : TRUE;
}
