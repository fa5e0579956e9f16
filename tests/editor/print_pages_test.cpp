#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "print_pages.h"

namespace {

// Records what the page loop sends to the printer; every character is one unit wide. Can fail
// or cancel at a chosen page.
struct RecordingPrinter {
    int width = 92;                               // characters across the page
    std::vector<std::vector<std::string>> pages;  // printed lines of each page, in printing order
    std::vector<std::vector<int>> yOfLine;
    int failStartAt = -1;                         // StartPage number (0-based) that fails
    int failEndAt = -1;
    int abortAfterPages = -1;                     // the user cancels once this many pages are done
    int started = 0;
    int ended = 0;
};

bool StartPage(void* context)
{
    auto* printer = static_cast<RecordingPrinter*>(context);
    if (printer->started++ == printer->failStartAt)
        return false;
    printer->pages.emplace_back();
    printer->yOfLine.emplace_back();
    return true;
}

int FittingChars(void* context, const char*, int length)
{
    auto* printer = static_cast<RecordingPrinter*>(context);
    return length < printer->width ? length : printer->width;
}

void PrintText(void* context, const char* text, int length, int y)
{
    auto* printer = static_cast<RecordingPrinter*>(context);
    printer->pages.back().push_back(std::string(text, static_cast<size_t>(length)));
    printer->yOfLine.back().push_back(y);
}

bool EndPage(void* context)
{
    auto* printer = static_cast<RecordingPrinter*>(context);
    return printer->ended++ != printer->failEndAt;
}

bool UserAborted(void* context)
{
    auto* printer = static_cast<RecordingPrinter*>(context);
    return printer->abortAfterPages >= 0 && printer->ended >= printer->abortAfterPages;
}

PageSink SinkFor(RecordingPrinter& printer)
{
    return PageSink{&printer, StartPage, FittingChars, PrintText, EndPage, UserAborted};
}

// A printer whose default font is 100 units high on a page 6000 units high: 60 lines a page.
const PageGeometry SixtyLinePages = MeasurePages(100, 0, 6000);

// Document lines "L000", "L001", ... joined with CR LF.
std::string Lines(int count)
{
    std::string text;
    char line[16];
    for (int i = 0; i < count; ++i) {
        std::snprintf(line, sizeof(line), "%sL%03d", i == 0 ? "" : "\r\n", i);
        text += line;
    }
    return text;
}

bool Print(RecordingPrinter& printer, const std::string& text, int copies = 1, bool collate = true)
{
    return PrintPages(SixtyLinePages, text.data(), static_cast<int>(text.size()), copies, collate,
                      SinkFor(printer));
}

// First printed line of each page, "" for a page without text.
std::vector<std::string> FirstLines(const RecordingPrinter& printer)
{
    std::vector<std::string> first;
    for (const auto& page : printer.pages)
        first.push_back(page.empty() ? "" : page.front());
    return first;
}

std::vector<std::string> AllLines(const RecordingPrinter& printer)
{
    std::vector<std::string> all;
    for (const auto& page : printer.pages)
        all.insert(all.end(), page.begin(), page.end());
    return all;
}

} // namespace

TEST(PageGeometryTest, FollowsThePrinterMetrics)
{
    PageGeometry geometry = MeasurePages(90, 10, 6050);
    EXPECT_EQ(geometry.lineHeight, 100);
    EXPECT_EQ(geometry.linesPerPage, 60);   // 6050 / 100, remainder dropped
}

TEST(PageGeometryTest, OddMetricsNeverDivideByZero)
{
    PageGeometry noHeight = MeasurePages(0, 0, 6000);
    EXPECT_EQ(noHeight.lineHeight, 1);
    EXPECT_EQ(noHeight.linesPerPage, 6000);

    PageGeometry tinyPage = MeasurePages(100, 0, 50);   // lower than one line
    EXPECT_EQ(tinyPage.linesPerPage, 1);
}

TEST(PagePrintingTest, SplitsLinesOverPagesFromTheTop)
{
    RecordingPrinter printer;
    ASSERT_TRUE(Print(printer, Lines(130)));
    ASSERT_EQ(printer.pages.size(), 3u);
    EXPECT_EQ(FirstLines(printer), (std::vector<std::string>{"L000", "L060", "L120"}));
    EXPECT_EQ(printer.pages[0].size(), 60u);
    EXPECT_EQ(printer.pages[2].back(), "L129");
    EXPECT_EQ(printer.yOfLine[1][0], 0);
    EXPECT_EQ(printer.yOfLine[1][59], 5900);

    RecordingPrinter sixty;   // exactly one page full: no empty page after it
    ASSERT_TRUE(Print(sixty, Lines(60)));
    EXPECT_EQ(sixty.pages.size(), 1u);
}

TEST(PagePrintingTest, ALineWiderThanThePageGoesOnInTheNextPrintedLines)
{
    // 313 characters of words of 4 to 9 letters, one blank apart, ending in "lastword".
    std::string longLine;
    for (int i = 0; longLine.size() < 300; ++i)
        longLine += std::string(4 + i % 6, static_cast<char>('a' + i % 26)) + " ";
    longLine += "lastword";
    ASSERT_EQ(longLine.size(), 313u);
    std::string text = Lines(130);
    text.replace(text.find("L005"), 4, longLine);

    RecordingPrinter printer;
    ASSERT_TRUE(Print(printer, text));
    std::vector<std::string> printed = AllLines(printer);
    // Every character is printed: the pieces, joined at the blanks they were broken at, give the
    // line again; each fits across the page and ends with a whole word.
    std::string joined;
    size_t piece = 5;
    for (; piece < printed.size() && printed[piece] != "L006"; ++piece) {
        EXPECT_LE(printed[piece].size(), 92u);
        EXPECT_NE(printed[piece].back(), ' ');
        joined += (joined.empty() ? "" : " ") + printed[piece];
    }
    EXPECT_EQ(joined, longLine);
    EXPECT_EQ(piece, 5u + 4u);   // 313 characters on 92-character lines: 4 printed lines
    // Page breaks count printed lines: the 3 continued lines push 3 document lines onto page 2.
    EXPECT_EQ(FirstLines(printer), (std::vector<std::string>{"L000", "L057", "L117"}));
    EXPECT_EQ(printed.size(), 133u);
}

TEST(PagePrintingTest, AWordWiderThanThePageIsCutNotLost)
{
    RecordingPrinter printer;
    printer.width = 10;
    ASSERT_TRUE(Print(printer, "ab " + std::string(23, 'x') + "   end\nnext"));
    EXPECT_EQ(AllLines(printer),
              (std::vector<std::string>{"ab", "xxxxxxxxxx", "xxxxxxxxxx", "xxx   end", "next"}));

    RecordingPrinter narrow;   // narrower than one character: still one a line, and printing ends
    narrow.width = 0;
    ASSERT_TRUE(Print(narrow, "abc"));
    EXPECT_EQ(AllLines(narrow), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(PagePrintingTest, EveryDocumentLineTakesAPrintedLine)
{
    // A lone LF ends a line too; an empty line and the empty line after a final line end take
    // their printed line, as the edit control shows them.
    RecordingPrinter printer;
    ASSERT_TRUE(Print(printer, "one\ntwo\r\n\r\nfour\r\n"));
    ASSERT_EQ(printer.pages.size(), 1u);
    EXPECT_EQ(printer.pages[0], (std::vector<std::string>{"one", "two", "four"}));
    EXPECT_EQ(printer.yOfLine[0], (std::vector<int>{0, 100, 300}));

    RecordingPrinter empty;   // an empty document prints one page without text
    ASSERT_TRUE(Print(empty, ""));
    ASSERT_EQ(empty.pages.size(), 1u);
    EXPECT_TRUE(empty.pages[0].empty());
}

TEST(PagePrintingTest, OrdersCopiesByCollation)
{
    RecordingPrinter collated;
    ASSERT_TRUE(Print(collated, Lines(130), 2, true));
    EXPECT_EQ(FirstLines(collated), (std::vector<std::string>{"L000", "L060", "L120", "L000", "L060", "L120"}));

    RecordingPrinter uncollated;
    ASSERT_TRUE(Print(uncollated, Lines(130), 2, false));
    EXPECT_EQ(FirstLines(uncollated), (std::vector<std::string>{"L000", "L000", "L060", "L060", "L120", "L120"}));

    RecordingPrinter noCopies;   // a copy count below one still prints once
    ASSERT_TRUE(Print(noCopies, Lines(5), 0, false));
    EXPECT_EQ(FirstLines(noCopies), (std::vector<std::string>{"L000"}));
}

TEST(PagePrintingTest, StopsAtTheFirstFailingPageStep)
{
    RecordingPrinter startFails;
    startFails.failStartAt = 1;
    EXPECT_FALSE(Print(startFails, Lines(130), 2, true));
    EXPECT_EQ(startFails.pages.size(), 1u);
    EXPECT_EQ(startFails.ended, 1);

    RecordingPrinter endFails;
    endFails.failEndAt = 0;
    EXPECT_FALSE(Print(endFails, Lines(130), 2, false));
    EXPECT_EQ(endFails.started, 1);
}

TEST(PagePrintingTest, CancelStopsAfterTheCurrentPage)
{
    RecordingPrinter printer;
    printer.abortAfterPages = 2;
    // Cancelling is not a failure of the page steps; the caller reports it.
    EXPECT_TRUE(Print(printer, Lines(130), 2, false));
    EXPECT_EQ(FirstLines(printer), (std::vector<std::string>{"L000", "L000"}));
}
