#include "print_pages.h"

namespace {

const int ThousandthsPerInch = 1000;
const int HundredthsOfMillimetrePerInch = 2540;

int AtLeastOne(int value)
{
    return value < 1 ? 1 : value;
}

int Larger(int a, int b)
{
    return a > b ? a : b;
}

int Smaller(int a, int b)
{
    return a < b ? a : b;
}

// value * numerator / denominator, rounded to the nearest, without overflow for page sizes.
int Scaled(int value, int numerator, int denominator)
{
    long long product = static_cast<long long>(value) * numerator;
    long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

// A margin in the printer's dots.
int MarginDots(int margin, bool metric, int dotsPerInch)
{
    return Scaled(margin, dotsPerInch, metric ? HundredthsOfMillimetrePerInch : ThousandthsPerInch);
}

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t';
}

bool IsLineEnd(wchar_t c)
{
    return c == L'\n' || c == L'\r';
}

bool IsHighSurrogate(wchar_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(wchar_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Index of the end of the document line that holds `start`: its CR, LF or CR LF, or the text's end.
int LineEnd(const wchar_t* text, int length, int start)
{
    int i = start;
    while (i < length && !IsLineEnd(text[i]))
        ++i;
    return i;
}

// Where the document line after the line end at `end` begins; beyond the text when none follows.
int AfterLineEnd(const wchar_t* text, int length, int end)
{
    if (end >= length)
        return length + 1;
    return text[end] == L'\r' && end + 1 < length && text[end + 1] == L'\n' ? end + 2 : end + 1;
}

int NextTabStop(int x, int tabWidth)
{
    return (x / tabWidth + 1) * tabWidth;
}

// Characters measured in one call: about twice what a line holds, so that one call usually decides a
// line and a very long document line is never measured whole.
int MeasuredChars(const PageLayout& layout)
{
    return 2 * layout.width / AtLeastOne(layout.averageCharWidth) + 16;
}

// How many characters of the document line from `start` to `end` fit across the column, tabs
// expanded.
int FittingChars(const PageLayout& layout, const wchar_t* text, int start, int end, const TextMeasure& measure)
{
    int x = 0;
    int position = start;
    while (position < end) {
        if (text[position] == L'\t') {
            int stop = NextTabStop(x, layout.tabWidth);
            if (stop > layout.width)
                break;
            x = stop;
            ++position;
            continue;
        }
        int runEnd = position;
        int runLimit = position + MeasuredChars(layout);
        while (runEnd < end && runEnd < runLimit && text[runEnd] != L'\t')
            ++runEnd;
        int width = 0;
        int fit = measure.fit(measure.context, text + position, runEnd - position, layout.width - x, &width);
        position += fit;
        x += width;
        if (position < runEnd)
            break;
    }
    return position - start;
}

// Characters printed of a line of which `fit` fit across the column (`fit` is less than the line's
// rest): up to the last blank that follows a word, or all `fit` when no word ends there.
int PrintedLength(const wchar_t* text, int start, int fit)
{
    for (int i = fit; i > 0; --i)
        if (IsBlank(text[start + i]) && !IsBlank(text[start + i - 1]))
            return i;
    return fit;
}

int RunWidth(const wchar_t* text, int length, const TextMeasure& measure)
{
    const int Unlimited = 0x3FFFFFFF;
    int width = 0;
    measure.fit(measure.context, text, length, Unlimited, &width);
    return width;
}

void DrawPrintedLine(const PageLayout& layout, const wchar_t* text, const PrintedLine& line, int y,
                     const TextMeasure& measure, const TextDrawer& drawer)
{
    int x = 0;
    int position = line.start;
    int end = line.start + line.length;
    while (position < end) {
        if (text[position] == L'\t') {
            x = NextTabStop(x, layout.tabWidth);
            ++position;
            continue;
        }
        int runEnd = position;
        while (runEnd < end && text[runEnd] != L'\t')
            ++runEnd;
        drawer.draw(drawer.context, text + position, runEnd - position, layout.left + x, y);
        if (runEnd < end)
            x += RunWidth(text + position, runEnd - position, measure);
        position = runEnd;
    }
}

} // namespace

PageMargins DefaultMargins(bool metric)
{
    int inch = metric ? HundredthsOfMillimetrePerInch : ThousandthsPerInch;
    return PageMargins{inch, inch, inch, inch, metric};
}

PageMargins MarginsIn(const PageMargins& margins, bool metric)
{
    if (margins.metric == metric)
        return margins;
    int to = metric ? HundredthsOfMillimetrePerInch : ThousandthsPerInch;
    int from = metric ? ThousandthsPerInch : HundredthsOfMillimetrePerInch;
    return PageMargins{Scaled(margins.left, to, from), Scaled(margins.top, to, from), Scaled(margins.right, to, from),
                       Scaled(margins.bottom, to, from), metric};
}

PageLayout LayOutPages(const PaperMetrics& paper, const PageMargins& margins, FontSize text, FontSize marks,
                       bool header, bool footer)
{
    // The area inside the margins, on the sheet, then cut to what the printer can print on.
    int sheetLeft = Larger(MarginDots(margins.left, margins.metric, paper.dotsPerInchX), paper.printableLeft);
    int sheetTop = Larger(MarginDots(margins.top, margins.metric, paper.dotsPerInchY), paper.printableTop);
    int sheetRight = Smaller(paper.width - MarginDots(margins.right, margins.metric, paper.dotsPerInchX),
                             paper.printableLeft + paper.printableWidth);
    int sheetBottom = Smaller(paper.height - MarginDots(margins.bottom, margins.metric, paper.dotsPerInchY),
                              paper.printableTop + paper.printableHeight);

    PageLayout layout;
    layout.left = sheetLeft - paper.printableLeft;
    layout.width = AtLeastOne(sheetRight - sheetLeft);
    layout.lineHeight = AtLeastOne(text.lineHeight);
    layout.averageCharWidth = AtLeastOne(text.averageCharWidth);
    layout.tabWidth = TabStopChars * layout.averageCharWidth;
    layout.header = header;
    layout.footer = footer;

    int top = sheetTop - paper.printableTop;
    int bottom = sheetBottom - paper.printableTop;
    int markHeight = AtLeastOne(marks.lineHeight);
    int markSpace = markHeight + markHeight / 2;   // the mark's line and half a line between it and the text
    layout.headerTop = top;
    layout.footerTop = bottom - markHeight;
    layout.bodyTop = header ? top + markSpace : top;
    int bodyBottom = footer ? bottom - markSpace : bottom;
    layout.linesPerPage = AtLeastOne((bodyBottom - layout.bodyTop) / layout.lineHeight);
    return layout;
}

int CentredX(const PageLayout& layout, int textWidth)
{
    return layout.left + Larger(0, (layout.width - textWidth) / 2);
}

PrintedLine NextPrintedLine(const PageLayout& layout, const wchar_t* text, int length, int start,
                            const TextMeasure& measure)
{
    PrintedLine line = {start, 0, 0};
    int end = LineEnd(text, length, start);
    int rest = end - start;
    int fit = rest > 0 ? FittingChars(layout, text, start, end, measure) : 0;
    if (fit >= rest) {
        line.length = rest;
        line.next = AfterLineEnd(text, length, end);
        return line;
    }
    if (fit < 1) {
        // A column narrower than one character still takes one a line (a whole surrogate pair), so that
        // printing ends.
        line.length = rest > 1 && IsHighSurrogate(text[start]) && IsLowSurrogate(text[start + 1]) ? 2 : 1;
    } else {
        line.length = PrintedLength(text, start, fit);
        int cut = start + line.length;
        if (line.length > 1 && IsLowSurrogate(text[cut]) && IsHighSurrogate(text[cut - 1]))
            --line.length;
    }
    int next = start + line.length;
    while (next < end && IsBlank(text[next]))
        ++next;
    line.next = next < end ? next : AfterLineEnd(text, length, end);
    return line;
}

bool IsPageStart(int length, int start)
{
    return start == 0 || start < length;
}

int LayOutPage(const PageLayout& layout, const wchar_t* text, int length, int start, const TextMeasure& measure,
               const TextDrawer* drawer)
{
    int position = start;
    for (int i = 0; i < layout.linesPerPage && position <= length; ++i) {
        PrintedLine line = NextPrintedLine(layout, text, length, position, measure);
        if (drawer != nullptr && line.length > 0)
            DrawPrintedLine(layout, text, line, layout.bodyTop + i * layout.lineHeight, measure, *drawer);
        position = line.next;
    }
    return position;
}

bool PrintPages(int pageCount, int copies, bool collate, const PageSink& sink)
{
    int copyCount = AtLeastOne(copies);
    int runs = collate ? copyCount : 1;
    int repeats = collate ? 1 : copyCount;
    for (int run = 0; run < runs; ++run) {
        for (int page = 0; page < pageCount; ++page) {
            for (int repeat = 0; repeat < repeats; ++repeat) {
                int copy = collate ? run : repeat;
                if (!sink.startPage(sink.context, page, copy))
                    return false;
                sink.printPage(sink.context, page);
                if (!sink.endPage(sink.context))
                    return false;
                // Cancelling is not a failure of the page steps; the caller reports it.
                if (sink.userAborted(sink.context))
                    return true;
            }
        }
    }
    return true;
}
