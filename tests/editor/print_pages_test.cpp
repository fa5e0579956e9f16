#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print_pages.h"

namespace {

// Records what the page loop sends to the printer; can fail or cancel at a chosen page.
struct RecordingPrinter {
    std::vector<std::vector<int>> pages;   // document lines of each page, in printing order
    std::vector<std::vector<int>> yOfLine;
    int failStartAt = -1;                  // StartPage number (0-based) that fails
    int failEndAt = -1;
    int abortAfterPages = -1;              // the user cancels once this many pages are done
    int started = 0;
    int ended = 0;
};

int StartPage(void* context)
{
    auto* printer = static_cast<RecordingPrinter*>(context);
    if (printer->started++ == printer->failStartAt)
        return -1;
    printer->pages.emplace_back();
    printer->yOfLine.emplace_back();
    return 1;
}

void PrintLine(void* context, int line, int y)
{
    auto* printer = static_cast<RecordingPrinter*>(context);
    printer->pages.back().push_back(line);
    printer->yOfLine.back().push_back(y);
}

int EndPage(void* context)
{
    auto* printer = static_cast<RecordingPrinter*>(context);
    return printer->ended++ == printer->failEndAt ? -1 : 1;
}

int UserAborted(void* context)
{
    auto* printer = static_cast<RecordingPrinter*>(context);
    return printer->abortAfterPages >= 0 && printer->ended >= printer->abortAfterPages;
}

PageSink SinkFor(RecordingPrinter& printer)
{
    return PageSink{&printer, StartPage, PrintLine, EndPage, UserAborted};
}

// First document line of each printed page, -1 for a page without lines.
std::vector<int> FirstLines(const RecordingPrinter& printer)
{
    std::vector<int> first;
    for (const auto& page : printer.pages)
        first.push_back(page.empty() ? -1 : page.front());
    return first;
}

// A printer whose default font is 100 units high on a page 6000 units high: 60 lines a page.
PageGeometry SixtyLinePages(int lines)
{
    return MeasurePages(100, 0, 52, 4800, 6000, lines);
}

} // namespace

TEST(PageGeometryTest, FollowsThePrinterMetrics)
{
    PageGeometry geometry = MeasurePages(90, 10, 52, 4800, 6050, 130);
    EXPECT_EQ(geometry.lineHeight, 100);
    EXPECT_EQ(geometry.charsPerLine, 92);   // 4800 / 52, remainder dropped
    EXPECT_EQ(geometry.linesPerPage, 60);   // 6050 / 100, remainder dropped
    EXPECT_EQ(geometry.pageCount, 3);

    EXPECT_EQ(SixtyLinePages(60).pageCount, 1);
    EXPECT_EQ(SixtyLinePages(61).pageCount, 2);
    // The A4 page of the PDF printer at 300 dpi: 3508 / 100 gives 35 lines.
    EXPECT_EQ(MeasurePages(100, 0, 52, 2479, 3508, 130).pageCount, 4);
}

TEST(PageGeometryTest, OddMetricsNeverDivideByZero)
{
    PageGeometry noHeight = MeasurePages(0, 0, 0, 4800, 6000, 10);
    EXPECT_EQ(noHeight.lineHeight, 1);
    EXPECT_EQ(noHeight.charsPerLine, 4800);
    EXPECT_EQ(noHeight.linesPerPage, 6000);
    EXPECT_EQ(noHeight.pageCount, 1);

    PageGeometry tinyPage = MeasurePages(100, 0, 52, 40, 50, 3);   // lower than one line
    EXPECT_EQ(tinyPage.linesPerPage, 1);
    EXPECT_EQ(tinyPage.charsPerLine, 0);
    EXPECT_EQ(tinyPage.pageCount, 3);
}

TEST(PagePrintingTest, SplitsLinesOverPagesFromTheTop)
{
    RecordingPrinter printer;
    ASSERT_EQ(PrintPages(SixtyLinePages(130), 130, 1, true, SinkFor(printer)), 1);
    ASSERT_EQ(printer.pages.size(), 3u);
    EXPECT_EQ(FirstLines(printer), (std::vector<int>{0, 60, 120}));
    EXPECT_EQ(printer.pages[0].size(), 60u);
    EXPECT_EQ(printer.pages[2].back(), 129);
    EXPECT_EQ(printer.yOfLine[1][0], 0);
    EXPECT_EQ(printer.yOfLine[1][59], 5900);
}

TEST(PagePrintingTest, OrdersCopiesByCollation)
{
    RecordingPrinter collated;
    ASSERT_EQ(PrintPages(SixtyLinePages(130), 130, 2, true, SinkFor(collated)), 1);
    EXPECT_EQ(FirstLines(collated), (std::vector<int>{0, 60, 120, 0, 60, 120}));

    RecordingPrinter uncollated;
    ASSERT_EQ(PrintPages(SixtyLinePages(130), 130, 2, false, SinkFor(uncollated)), 1);
    EXPECT_EQ(FirstLines(uncollated), (std::vector<int>{0, 0, 60, 60, 120, 120}));

    RecordingPrinter noCopies;   // a copy count below one still prints once
    ASSERT_EQ(PrintPages(SixtyLinePages(5), 5, 0, false, SinkFor(noCopies)), 1);
    EXPECT_EQ(FirstLines(noCopies), (std::vector<int>{0}));
}

TEST(PagePrintingTest, StopsAtTheFirstFailingPageStep)
{
    RecordingPrinter startFails;
    startFails.failStartAt = 1;
    EXPECT_EQ(PrintPages(SixtyLinePages(130), 130, 2, true, SinkFor(startFails)), 0);
    EXPECT_EQ(startFails.pages.size(), 1u);
    EXPECT_EQ(startFails.ended, 1);

    RecordingPrinter endFails;
    endFails.failEndAt = 0;
    EXPECT_EQ(PrintPages(SixtyLinePages(130), 130, 2, false, SinkFor(endFails)), 0);
    EXPECT_EQ(endFails.started, 1);
}

TEST(PagePrintingTest, CancelStopsAfterTheCurrentPage)
{
    RecordingPrinter printer;
    printer.abortAfterPages = 2;
    // Cancelling is not a failure of the page steps; the caller reports it.
    EXPECT_EQ(PrintPages(SixtyLinePages(130), 130, 2, false, SinkFor(printer)), 1);
    EXPECT_EQ(FirstLines(printer), (std::vector<int>{0, 0}));
}
