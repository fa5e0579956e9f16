// A document laid out for one printer: a copy of its text, the document's font made for the
// printer's resolution, the page layout with its margins, header and footer, and where each page
// begins. Printing and the print preview both draw their pages from it, so they cannot differ.
#pragma once
#include <windows.h>

#include "print_pages.h"

// What the page setup decides beyond the printer's own settings.
struct PageChoices {
    PageMargins margins;
    bool header;   // the file name at the top of each page
    bool footer;   // "Page N of M" at the bottom
};

struct PrintLayout {
    HDC printer;            // measures the text; the caller's, kept open while the layout is used
    HFONT textFont;         // the document's font at its point size on the printer
    HFONT markFont;         // the header's and footer's smaller size of it
    PaperMetrics paper;
    PageLayout layout;
    wchar_t* text;          // the document's text when laid out
    int length;
    int* pageStarts;        // where each page begins in the text
    int pageCount;
    int pageCapacity;
    int laidOut;            // where the page after the last counted one begins
    wchar_t fileName[MAX_PATH];   // the header: the document's file name without its folder
};

// Copies the document's text and makes its fonts for the printer; false (with nothing held) when
// there is no memory or no font. The document's title is its path, or its name when new.
bool OpenPrintLayout(PrintLayout& print, HDC printer, HWND document, const PageChoices& choices);
// Counts up to `pages` more pages; true once every page is counted. False also when no memory was left
// for the page list (`pageCount` then stays as far as it got).
bool CountPages(PrintLayout& print, int pages, bool& noMemory);
bool AllPagesCounted(const PrintLayout& print);
// Draws page `page` (0-based): on the printer, or on a device context whose logical units are the
// printer's dots with the printable area's corner at 0, 0.
void DrawPrintedPage(const PrintLayout& print, HDC target, int page);
void ClosePrintLayout(PrintLayout& print);
