// File > Print Preview: the active document's pages as they will print, in a window of its own: one
// or two pages at a time, the previous and next page, zoom, Print and Close. The pages are laid out
// by the printing code itself for the printer of the page setup. The frame is disabled while the
// preview is open, as under a dialog.
#pragma once
#include <windows.h>

#define PRINT_PREVIEW_CLASS_NAME L"PenmarPrintPreview"

// The preview's buttons and the text that names the pages shown.
const int PreviewPrintId = 3101;
const int PreviewPreviousId = 3102;
const int PreviewNextId = 3103;
const int PreviewPagesId = 3104;     // one page or two
const int PreviewZoomInId = 3105;
const int PreviewZoomOutId = 3106;
const int PreviewCloseId = 3107;
const int PreviewPageTextId = 3108;
const int PreviewPagesWindowId = 3109;   // the window the pages are shown in

void PrintPreviewCommand(HWND frame);

// The open preview window, or null.
HWND PrintPreviewWindow();

// What the preview shows: for tests and the benchmark.
struct PreviewView {
    int firstPage;    // 0-based
    int pagesShown;   // 1 or 2
    int pageCount;
    int zoomPercent;  // of the size at which the pages shown fit the window
    RECT firstPageOnScreen;   // in the client coordinates of the pages' window
};
bool ViewOfPrintPreview(PreviewView& view);
