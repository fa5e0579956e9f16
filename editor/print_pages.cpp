#include "print_pages.h"

namespace {

int AtLeastOne(int value)
{
    return value < 1 ? 1 : value;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Index of the end of the document line that holds `start`: its CR LF or LF, or the text's end.
int LineEnd(const char* text, int length, int start)
{
    int i = start;
    while (i < length && text[i] != '\n' && !(text[i] == '\r' && i + 1 < length && text[i + 1] == '\n'))
        ++i;
    return i;
}

// Where the document line after the line end at `end` begins; beyond the text when none follows.
int AfterLineEnd(const char* text, int length, int end)
{
    if (end >= length)
        return length + 1;
    return text[end] == '\r' ? end + 2 : end + 1;
}

// Characters printed of a line of which `fit` fit across the page (`fit` is less than the
// line's rest): up to the last blank that follows a word, or all `fit` when no word ends there.
int PrintedLength(const char* text, int start, int fit)
{
    for (int i = fit; i > 0; --i)
        if (IsBlank(text[start + i]) && !IsBlank(text[start + i - 1]))
            return i;
    return fit;
}

// Prints one page from `position` on and moves `position` to where the next page begins.
bool PrintOnePage(const PageGeometry& pages, const char* text, int length, int& position,
                  const PageSink& sink)
{
    if (!sink.startPage(sink.context))
        return false;
    for (int i = 0; i < pages.linesPerPage && position <= length; ++i) {
        PrintedLine line = NextPrintedLine(text, length, position, sink);
        if (line.length > 0)
            sink.printText(sink.context, text + line.start, line.length, i * pages.lineHeight);
        position = line.next;
    }
    return sink.endPage(sink.context);
}

} // namespace

PageGeometry MeasurePages(int textHeight, int externalLeading, int verticalResolution)
{
    // Odd printer metrics (a zero-height font, a page lower than one line) must not divide by
    // zero: every page then holds at least one line.
    PageGeometry geometry;
    geometry.lineHeight = AtLeastOne(textHeight + externalLeading);
    geometry.linesPerPage = AtLeastOne(verticalResolution / geometry.lineHeight);
    return geometry;
}

PrintedLine NextPrintedLine(const char* text, int length, int start, const PageSink& sink)
{
    PrintedLine line = {start, 0, 0};
    int end = LineEnd(text, length, start);
    int rest = end - start;
    int fit = rest > 0 ? sink.fittingChars(sink.context, text + start, rest) : 0;
    // A page narrower than one character still takes one a line, so that printing ends.
    if (fit < 1)
        fit = 1;
    if (fit >= rest) {
        line.length = rest;
        line.next = AfterLineEnd(text, length, end);
        return line;
    }
    line.length = PrintedLength(text, start, fit);
    int next = start + line.length;
    while (next < end && IsBlank(text[next]))
        ++next;
    line.next = next < end ? next : AfterLineEnd(text, length, end);
    return line;
}

bool PrintPages(const PageGeometry& pages, const char* text, int length, int copies, bool collate,
                const PageSink& sink)
{
    int copyCount = AtLeastOne(copies);
    int runs = collate ? copyCount : 1;
    int repeats = collate ? 1 : copyCount;
    for (int run = 0; run < runs; ++run) {
        int pageStart = 0;
        while (pageStart <= length) {
            int nextPage = pageStart;
            for (int repeat = 0; repeat < repeats; ++repeat) {
                nextPage = pageStart;
                if (!PrintOnePage(pages, text, length, nextPage, sink))
                    return false;
                // Cancelling is not a failure of the page steps; the caller reports it.
                if (sink.userAborted(sink.context))
                    return true;
            }
            pageStart = nextPage;
        }
    }
    return true;
}
