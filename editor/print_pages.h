// Page arithmetic of printing: how many lines fit on a page, how many pages a document takes,
// and the order in which pages and copies go to the printer. Portable, no windowing system.
#pragma once

struct PageGeometry {
    int lineHeight;     // printer units from one line to the next
    int charsPerLine;   // average characters that fit across the page; longer lines are cut
    int linesPerPage;
    int pageCount;
};

// From the printer's text metrics and resolution, and the document's line count.
PageGeometry MeasurePages(int textHeight, int externalLeading, int averageCharWidth,
                          int horizontalResolution, int verticalResolution, int documentLines);

// The printer side of the page loop, as plain function pointers over one context.
struct PageSink {
    void* context;
    int (*startPage)(void* context);                             // below 0 means failure
    void (*printLine)(void* context, int documentLine, int y);
    int (*endPage)(void* context);                               // below 0 means failure
    int (*userAborted)(void* context);                           // non-zero once the user cancelled
};

// Prints every page of the document, copies times; collated copies are complete runs of all
// pages, otherwise each page is repeated before the next. Stops after the current page when the
// user cancels. Returns 1 when no page step failed, 0 otherwise.
int PrintPages(const PageGeometry& pages, int documentLines, int copies, bool collate,
               const PageSink& sink);
