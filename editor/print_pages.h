// Page arithmetic of printing: how the document's lines become printed lines that fit across the
// page, how many printed lines a page holds, and the order in which pages and copies go to the
// printer. Portable, no windowing system.
#pragma once

struct PageGeometry {
    int lineHeight;     // printer units from one printed line to the next
    int linesPerPage;   // printed lines on one page
};

// From the printer's text metrics and the page's height in printer units.
PageGeometry MeasurePages(int textHeight, int externalLeading, int verticalResolution);

// The printer side of the page loop, as plain function pointers over one context.
struct PageSink {
    void* context;
    bool (*startPage)(void* context);                                  // false when it failed
    // How many of the first `length` characters fit across the page (it may look at fewer).
    int (*fittingChars)(void* context, const char* text, int length);
    void (*printText)(void* context, const char* text, int length, int y);
    bool (*endPage)(void* context);                                    // false when it failed
    bool (*userAborted)(void* context);
};

// One printed line: `length` characters of the document's text from `start`. The printed line
// after it begins at `next`, which lies beyond the text's length once the text is done.
struct PrintedLine {
    int start;
    int length;
    int next;
};

// The printed line that begins at `start`: the rest of its document line when that fits across
// the page; otherwise as much as fits, broken before the last blank so that words stay whole (a
// word wider than the page is cut). The blanks at the break are not printed. Document lines end
// with CR LF or a lone LF; an empty document is one empty line.
PrintedLine NextPrintedLine(const char* text, int length, int start, const PageSink& sink);

// Prints the whole text, copies times; collated copies are complete runs of all pages,
// otherwise each page is repeated before the next. A page holds linesPerPage printed lines.
// Stops after the current page when the user cancels. False when a page step failed.
bool PrintPages(const PageGeometry& pages, const char* text, int length, int copies, bool collate,
                const PageSink& sink);
