#include "print_pages.h"

namespace {

int AtLeastOne(int value)
{
    return value < 1 ? 1 : value;
}

// Prints page `page` once: its lines from the top of the page down.
int PrintOnePage(const PageGeometry& pages, int documentLines, int page, const PageSink& sink)
{
    if (sink.startPage(sink.context) < 0)
        return 0;
    for (int i = 0; i < pages.linesPerPage; ++i) {
        int line = pages.linesPerPage * page + i;
        if (line >= documentLines)
            break;
        sink.printLine(sink.context, line, i * pages.lineHeight);
    }
    if (sink.endPage(sink.context) < 0)
        return 0;
    return 1;
}

} // namespace

PageGeometry MeasurePages(int textHeight, int externalLeading, int averageCharWidth,
                          int horizontalResolution, int verticalResolution, int documentLines)
{
    // Odd printer metrics (a zero-height font, a page lower than one line) must not divide by
    // zero: every page then holds at least one line.
    PageGeometry geometry;
    geometry.lineHeight = AtLeastOne(textHeight + externalLeading);
    geometry.charsPerLine = horizontalResolution / AtLeastOne(averageCharWidth);
    if (geometry.charsPerLine < 0)
        geometry.charsPerLine = 0;
    geometry.linesPerPage = AtLeastOne(verticalResolution / geometry.lineHeight);
    int lines = documentLines < 0 ? 0 : documentLines;
    geometry.pageCount = lines / geometry.linesPerPage + (lines % geometry.linesPerPage != 0 ? 1 : 0);
    return geometry;
}

int PrintPages(const PageGeometry& pages, int documentLines, int copies, bool collate,
               const PageSink& sink)
{
    int copyCount = AtLeastOne(copies);
    int runs = collate ? copyCount : 1;
    int repeats = collate ? 1 : copyCount;
    int success = 1;
    for (int run = 0; run < runs; ++run) {
        for (int page = 0; page < pages.pageCount; ++page) {
            for (int repeat = 0; repeat < repeats; ++repeat) {
                success = PrintOnePage(pages, documentLines, page, sink);
                if (success == 0 || sink.userAborted(sink.context))
                    break;
            }
            if (success == 0 || sink.userAborted(sink.context))
                break;
        }
        if (success == 0 || sink.userAborted(sink.context))
            break;
    }
    return success;
}
