// Page layout of printing and of the print preview: where the margins, the header and the footer lie
// on the sheet, how the document's text becomes printed lines (wrapped before a word at the right
// margin, tabs expanded to their stops), which text each page holds, and the order in which pages
// and copies go to the printer. Portable, no windowing system: every length is in the printer's dots,
// and the caller measures text in the printer's font through a TextMeasure.
#pragma once

// The sheet as the printer describes it, in its dots.
struct PaperMetrics {
    int width, height;                    // the whole sheet
    int printableLeft, printableTop;      // the border the printer cannot print on
    int printableWidth, printableHeight;  // the area it can print on
    int dotsPerInchX, dotsPerInchY;
};

// Distances from the sheet's edges, as the page setup keeps them: in thousandths of an inch, or in
// hundredths of a millimetre when `metric` is set.
struct PageMargins {
    int left, top, right, bottom;
    bool metric;
};

// One inch on each side, in the unit the user's locale measures in.
PageMargins DefaultMargins(bool metric);
// The same distances in the other unit (or unchanged when already in it), rounded.
PageMargins MarginsIn(const PageMargins& margins, bool metric);

// What the layout needs of a font: from one line's top to the next, and the average character width.
struct FontSize {
    int lineHeight;
    int averageCharWidth;
};

// Where everything lies on each page, in printer dots from the printable area's top-left corner
// (where the printer draws its point 0, 0).
struct PageLayout {
    int left, width;            // the column inside the left and right margins
    int bodyTop;                // the first text line's top
    int lineHeight;
    int linesPerPage;
    int tabWidth;               // tab stops every this many dots from the column's left edge
    int averageCharWidth;
    bool header, footer;
    int headerTop, footerTop;   // top of the header line and of the footer line
};

// The edit control's tab stops: every 8 average characters.
const int TabStopChars = 8;

// The page inside the margins; the header line (when on) at its top and the footer line at its
// bottom, each in the marks' smaller font and half such a line away from the text. A margin smaller
// than the printer's unprintable border becomes that border. Every page holds at least one line.
PageLayout LayOutPages(const PaperMetrics& paper, const PageMargins& margins, FontSize text, FontSize marks,
                       bool header, bool footer);

// Where a header or footer text `textWidth` dots wide starts: centred in the column, at its left
// edge when wider.
int CentredX(const PageLayout& layout, int textWidth);

// Text measured in the printer's font.
struct TextMeasure {
    void* context;
    // How many of the first `length` characters fit within `width` dots; their width in *fitWidth.
    int (*fit)(void* context, const wchar_t* text, int length, int width, int* fitWidth);
};

// Where text is put: one run without tabs at x, y (dots, as in PageLayout).
struct TextDrawer {
    void* context;
    void (*draw)(void* context, const wchar_t* text, int length, int x, int y);
};

// One printed line: `length` characters of the document's text from `start`. The printed line
// after it begins at `next`, which lies beyond the text's length once the text is done.
struct PrintedLine {
    int start;
    int length;
    int next;
};

// The printed line that begins at `start`: the rest of its document line when that fits across the
// column; otherwise as much as fits, broken before the last blank so that words stay whole (a word
// wider than the column is cut, never inside a surrogate pair). The blanks at the break are not
// printed. Document lines end with CR LF, a lone LF or a lone CR; an empty document is one empty line.
PrintedLine NextPrintedLine(const PageLayout& layout, const wchar_t* text, int length, int start,
                            const TextMeasure& measure);

// Whether a page begins at `start`: the first always does; a page that would hold nothing but the
// empty line after the text's last line end does not.
bool IsPageStart(int length, int start);

// Lays out (and, with a drawer, draws) the text lines of the page that begins at `start`; returns
// where the next page begins. The drawer gets the runs of text between tabs; tabs are never drawn.
int LayOutPage(const PageLayout& layout, const wchar_t* text, int length, int start, const TextMeasure& measure,
               const TextDrawer* drawer);

// The printer side of the page loop, as plain function pointers over one context.
struct PageSink {
    void* context;
    bool (*startPage)(void* context, int page, int copy);   // false when it failed
    void (*printPage)(void* context, int page);             // draws page `page` (0-based)
    bool (*endPage)(void* context);                         // false when it failed
    bool (*userAborted)(void* context);                     // asked after each page
};

// Prints pages 0 to pageCount - 1, copies times; collated copies are complete runs of all pages,
// otherwise each page is repeated before the next. Stops after the current page when the user
// cancels. False when a page step failed.
bool PrintPages(int pageCount, int copies, bool collate, const PageSink& sink);
