#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "print_pages.h"

namespace {

// A printer font in which every character is 10 dots wide, "W" 20; counts the characters measured.
const int CharWidth = 10;

int Width(wchar_t c)
{
    return c == L'W' ? 2 * CharWidth : CharWidth;
}

struct Measurer {
    long measured = 0;
};

int Fit(void* context, const wchar_t* text, int length, int width, int* fitWidth)
{
    static_cast<Measurer*>(context)->measured += length;
    int x = 0;
    int fit = 0;
    while (fit < length && x + Width(text[fit]) <= width)
        x += Width(text[fit++]);
    *fitWidth = x;
    return fit;
}

// What a page's drawing put where.
struct DrawnRun {
    std::wstring text;
    int x, y;
};

void Draw(void* context, const wchar_t* text, int length, int x, int y)
{
    static_cast<std::vector<DrawnRun>*>(context)->push_back(DrawnRun{std::wstring(text, static_cast<size_t>(length)), x, y});
}

// Letter paper at 600 dots an inch, with a border of 1/12 inch the printer cannot print on.
const PaperMetrics Letter = {5100, 6600, 50, 50, 5000, 6500, 600, 600};
// A column of `chars` characters of 10 dots, 60 lines of 100 dots a page, no header or footer; the
// printable area is the whole sheet.
PageLayout Column(int chars, int lines = 60)
{
    PaperMetrics paper = {chars * CharWidth, lines * 100, 0, 0, chars * CharWidth, lines * 100, 600, 600};
    return LayOutPages(paper, PageMargins{0, 0, 0, 0, false}, FontSize{100, CharWidth}, FontSize{80, 8}, false,
                       false);
}

// The text of each page, each printed line's runs joined with "|" between runs, as drawn.
struct Printout {
    std::vector<std::vector<std::wstring>> pages;
    std::vector<std::vector<DrawnRun>> runs;
    long measured = 0;
};

Printout PrintAll(const PageLayout& layout, const std::wstring& text)
{
    Printout printout;
    Measurer measurer;
    TextMeasure measure = {&measurer, Fit};
    int length = static_cast<int>(text.size());
    for (int start = 0; IsPageStart(length, start);) {
        std::vector<DrawnRun> runs;
        TextDrawer drawer = {&runs, Draw};
        start = LayOutPage(layout, text.c_str(), length, start, measure, &drawer);
        std::vector<std::wstring> lines;
        int lastY = -1;
        for (const DrawnRun& run : runs) {
            if (run.y != lastY)
                lines.push_back(run.text);
            else
                lines.back() += L"|" + run.text;
            lastY = run.y;
        }
        printout.pages.push_back(lines);
        printout.runs.push_back(runs);
    }
    printout.measured = measurer.measured;
    return printout;
}

std::vector<std::wstring> AllLines(const Printout& printout)
{
    std::vector<std::wstring> all;
    for (const auto& page : printout.pages)
        all.insert(all.end(), page.begin(), page.end());
    return all;
}

// Document lines "L000", "L001", ... joined with CR LF.
std::wstring Lines(int count)
{
    std::wstring text;
    wchar_t line[16];
    for (int i = 0; i < count; ++i) {
        std::swprintf(line, 16, L"%lsL%03d", i == 0 ? L"" : L"\r\n", i);
        text += line;
    }
    return text;
}

std::vector<std::wstring> FirstLines(const Printout& printout)
{
    std::vector<std::wstring> first;
    for (const auto& page : printout.pages)
        first.push_back(page.empty() ? L"" : page.front());
    return first;
}

} // namespace

TEST(PageGeometryTest, TheColumnLiesInsideTheMarginsWithHeaderAndFooterInsideToo)
{
    // 12-point text (100 dots a line at 600 dpi) and 9-point marks (75 dots).
    PageLayout layout = LayOutPages(Letter, DefaultMargins(false), FontSize{100, 60}, FontSize{75, 45}, true, true);
    // One inch from the sheet's edges, counted from where the printer's dots begin.
    EXPECT_EQ(layout.left, 600 - 50);
    EXPECT_EQ(layout.width, 5100 - 1200);
    EXPECT_EQ(layout.headerTop, 600 - 50);
    EXPECT_EQ(layout.footerTop, 6600 - 600 - 50 - 75);
    // Half a mark's line between each mark and the text; the text's lines in between.
    EXPECT_EQ(layout.bodyTop, layout.headerTop + 75 + 37);
    int bodyBottom = layout.footerTop - 37;
    EXPECT_EQ(layout.linesPerPage, (bodyBottom - layout.bodyTop) / 100);
    EXPECT_LE(layout.bodyTop + layout.linesPerPage * layout.lineHeight, bodyBottom);
    EXPECT_EQ(layout.tabWidth, 8 * 60);

    PageLayout plain = LayOutPages(Letter, DefaultMargins(false), FontSize{100, 60}, FontSize{75, 45}, false, false);
    EXPECT_EQ(plain.bodyTop, 550);
    EXPECT_EQ(plain.linesPerPage, (6600 - 1200) / 100);
}

TEST(PageGeometryTest, MarginsInEitherUnitAndTheUnprintableBorder)
{
    PageMargins metric = DefaultMargins(true);
    EXPECT_EQ(metric.left, 2540);   // 25.4 mm
    PageLayout inMillimetres = LayOutPages(Letter, metric, FontSize{100, 60}, FontSize{75, 45}, false, false);
    PageLayout inInches = LayOutPages(Letter, DefaultMargins(false), FontSize{100, 60}, FontSize{75, 45}, false, false);
    EXPECT_EQ(inMillimetres.left, inInches.left);
    EXPECT_EQ(inMillimetres.width, inInches.width);

    PageMargins converted = MarginsIn(PageMargins{750, 500, 1000, 1250, false}, true);
    EXPECT_EQ(converted.left, 1905);
    EXPECT_EQ(converted.bottom, 3175);
    EXPECT_TRUE(converted.metric);
    EXPECT_EQ(MarginsIn(converted, false).top, 500);

    // Margins narrower than the border the printer cannot print on start at the border.
    PageLayout noMargins = LayOutPages(Letter, PageMargins{0, 0, 0, 0, false}, FontSize{100, 60}, FontSize{75, 45},
                                       false, true);
    EXPECT_EQ(noMargins.left, 0);
    EXPECT_EQ(noMargins.width, 5000);
    EXPECT_EQ(noMargins.bodyTop, 0);
    EXPECT_EQ(noMargins.footerTop, 6500 - 75);

    // Margins that meet leave one dot and one line, never none.
    PageLayout crowded = LayOutPages(Letter, PageMargins{5000, 7000, 5000, 7000, false}, FontSize{100, 60},
                                     FontSize{75, 45}, true, true);
    EXPECT_EQ(crowded.width, 1);
    EXPECT_EQ(crowded.linesPerPage, 1);
}

TEST(PageGeometryTest, MarksAreCentredInTheColumn)
{
    PageLayout layout = LayOutPages(Letter, DefaultMargins(false), FontSize{100, 60}, FontSize{75, 45}, true, true);
    EXPECT_EQ(CentredX(layout, 900), layout.left + (3900 - 900) / 2);
    EXPECT_EQ(CentredX(layout, 5000), layout.left);   // wider than the column: from its left edge
}

TEST(PrintedLinesTest, LinesBreakBeforeAWordAtTheRightMargin)
{
    // 313 characters of words of 4 to 9 letters, one blank apart, ending in "lastword".
    std::wstring longLine;
    for (int i = 0; longLine.size() < 300; ++i)
        longLine += std::wstring(static_cast<size_t>(4 + i % 6), static_cast<wchar_t>(L'a' + i % 26)) + L" ";
    longLine += L"lastword";
    ASSERT_EQ(longLine.size(), 313u);
    std::wstring text = Lines(130);
    text.replace(text.find(L"L005"), 4, longLine);

    Printout printout = PrintAll(Column(92), text);
    std::vector<std::wstring> printed = AllLines(printout);
    // Every character is printed: the pieces, joined at the blanks they were broken at, give the line
    // again; each fits across the column and ends with a whole word.
    std::wstring joined;
    size_t piece = 5;
    for (; piece < printed.size() && printed[piece] != L"L006"; ++piece) {
        EXPECT_LE(printed[piece].size(), 92u);
        EXPECT_NE(printed[piece].back(), L' ');
        joined += (joined.empty() ? L"" : L" ") + printed[piece];
    }
    EXPECT_EQ(joined, longLine);
    EXPECT_EQ(piece, 5u + 4u);   // 313 characters on 92-character lines: 4 printed lines
    // Page breaks count printed lines: the 3 continued lines push 3 document lines onto page 2.
    EXPECT_EQ(FirstLines(printout), (std::vector<std::wstring>{L"L000", L"L057", L"L117"}));
    EXPECT_EQ(printed.size(), 133u);
}

TEST(PrintedLinesTest, AVeryLongDocumentLineIsMeasuredAPieceAtATime)
{
    // 20,000 characters without a line end: measuring the rest whole for each printed line would
    // take time that grows with the square of the line.
    std::wstring words;
    while (words.size() < 20000)
        words += L"seven wizards quietly judge boxing matches ";
    Printout printout = PrintAll(Column(92), words);
    EXPECT_GT(AllLines(printout).size(), 20000u / 92);
    EXPECT_LT(printout.measured, 4 * static_cast<long>(words.size()));
}

TEST(PrintedLinesTest, WidthsAreMeasuredNotCounted)
{
    // Ten "W" are 200 dots: on a 100-dot column five fit, and the break comes before the word.
    Printout printout = PrintAll(Column(10), L"ab WWWWWW cd");
    EXPECT_EQ(AllLines(printout), (std::vector<std::wstring>{L"ab", L"WWWWW", L"W cd"}));
}

TEST(PrintedLinesTest, AWordWiderThanTheColumnIsCutNotLost)
{
    Printout printout = PrintAll(Column(10), L"ab " + std::wstring(23, L'x') + L"   end\nnext");
    EXPECT_EQ(AllLines(printout),
              (std::vector<std::wstring>{L"ab", L"xxxxxxxxxx", L"xxxxxxxxxx", L"xxx   end", L"next"}));

    // Narrower than one character: still one a line, and printing ends.
    PageLayout narrow = Column(10);
    narrow.width = 5;
    EXPECT_EQ(AllLines(PrintAll(narrow, L"abc")), (std::vector<std::wstring>{L"a", L"b", L"c"}));

    // A character outside the basic plane (two UTF-16 units) is never cut in two.
    std::wstring clef = L"\xD834\xDD1E";
    std::wstring staff = L"xxxxxxxxx" + clef + L"y";
    EXPECT_EQ(AllLines(PrintAll(Column(10), staff)), (std::vector<std::wstring>{L"xxxxxxxxx", clef + L"y"}));
    EXPECT_EQ(AllLines(PrintAll(narrow, clef + clef)), (std::vector<std::wstring>{clef, clef}));
}

TEST(PrintedLinesTest, TabsGoToStopsEveryEightCharactersAndAreNeverDrawn)
{
    PageLayout layout = Column(36);   // 360 dots, stops at 80, 160, 240, 320
    Printout printout = PrintAll(layout, L"a\tb\r\n12345678\tc\r\n\tindented\tx\r\nabcdefghijklmnopqrstuvwxyz\tword");
    ASSERT_EQ(printout.pages.size(), 1u);
    std::vector<DrawnRun> runs = printout.runs[0];
    std::vector<std::wstring> texts;
    std::vector<int> xs;
    for (const DrawnRun& run : runs) {
        EXPECT_EQ(run.text.find(L'\t'), std::wstring::npos);
        texts.push_back(run.text);
        xs.push_back(run.x);
    }
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"a", L"b", L"12345678", L"c", L"indented", L"x",
                                                L"abcdefghijklmnopqrstuvwxyz", L"word"}));
    // A stop already reached goes on to the next; a run after a tab starts at the stop.
    EXPECT_EQ(xs, (std::vector<int>{0, 80, 0, 160, 80, 240, 0, 320}));

    // A tab that would pass the right margin breaks the line there, like a blank.
    EXPECT_EQ(AllLines(PrintAll(layout, L"abcdefghijklmnopqrstuvwxyz1234567\tend")),
              (std::vector<std::wstring>{L"abcdefghijklmnopqrstuvwxyz1234567", L"end"}));
    // A word after a tab that does not fit goes to the next line.
    EXPECT_EQ(AllLines(PrintAll(layout, L"abcdefghijklmnopqrstuvwxyz\twords")),
              (std::vector<std::wstring>{L"abcdefghijklmnopqrstuvwxyz", L"words"}));
}

TEST(PageBreaksTest, PagesFollowThePrintedLinesFromTheColumnTop)
{
    Printout printout = PrintAll(Column(92), Lines(130));
    ASSERT_EQ(printout.pages.size(), 3u);
    EXPECT_EQ(FirstLines(printout), (std::vector<std::wstring>{L"L000", L"L060", L"L120"}));
    EXPECT_EQ(printout.pages[0].size(), 60u);
    EXPECT_EQ(printout.pages[2].back(), L"L129");
    EXPECT_EQ(printout.runs[1][0].y, 0);
    EXPECT_EQ(printout.runs[1][59].y, 5900);

    // A page's lines start at the text's top inside the margins, at the column's left edge.
    PageLayout margined = LayOutPages(Letter, DefaultMargins(false), FontSize{100, 60}, FontSize{75, 45}, true, true);
    Printout onLetter = PrintAll(margined, L"first\r\nsecond");
    EXPECT_EQ(onLetter.runs[0][0].x, margined.left);
    EXPECT_EQ(onLetter.runs[0][0].y, margined.bodyTop);
    EXPECT_EQ(onLetter.runs[0][1].y, margined.bodyTop + 100);
}

TEST(PageBreaksTest, EveryDocumentLineTakesAPrintedLineButNoPageIsLeftEmpty)
{
    // CR LF, a lone LF and a lone CR each end a line; an empty line takes its printed line.
    Printout printout = PrintAll(Column(92), L"one\ntwo\r\n\r\nfour\rfive\r\n");
    ASSERT_EQ(printout.pages.size(), 1u);
    EXPECT_EQ(printout.pages[0], (std::vector<std::wstring>{L"one", L"two", L"four", L"five"}));
    std::vector<int> ys;
    for (const DrawnRun& run : printout.runs[0])
        ys.push_back(run.y);
    EXPECT_EQ(ys, (std::vector<int>{0, 100, 300, 400}));

    // Sixty lines that each end with a line end fill one page: the empty line after the last line
    // end does not start a page of its own.
    EXPECT_EQ(PrintAll(Column(92), Lines(60) + L"\r\n").pages.size(), 1u);
    EXPECT_EQ(PrintAll(Column(92), Lines(61) + L"\r\n").pages.size(), 2u);

    Printout empty = PrintAll(Column(92), L"");   // an empty document is one page without text
    ASSERT_EQ(empty.pages.size(), 1u);
    EXPECT_TRUE(empty.pages[0].empty());
}

namespace {

// Records the order of pages and copies sent to the printer; can fail or cancel at a chosen page.
struct RecordingPrinter {
    std::vector<int> pages;   // page numbers in printing order
    int failStartAt = -1;     // StartPage number (0-based) that fails
    int failEndAt = -1;
    int abortAfterPages = -1; // the user cancels once this many pages are done
    int started = 0;
    int ended = 0;
};

bool StartPage(void* context, int, int)
{
    auto* printer = static_cast<RecordingPrinter*>(context);
    return printer->started++ != printer->failStartAt;
}

void PrintPage(void* context, int page)
{
    static_cast<RecordingPrinter*>(context)->pages.push_back(page);
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

bool Send(RecordingPrinter& printer, int pages, int copies, bool collate)
{
    return PrintPages(pages, copies, collate, PageSink{&printer, StartPage, PrintPage, EndPage, UserAborted});
}

} // namespace

TEST(PageOrderTest, CopiesFollowTheCollation)
{
    RecordingPrinter collated;
    ASSERT_TRUE(Send(collated, 3, 2, true));
    EXPECT_EQ(collated.pages, (std::vector<int>{0, 1, 2, 0, 1, 2}));

    RecordingPrinter uncollated;
    ASSERT_TRUE(Send(uncollated, 3, 2, false));
    EXPECT_EQ(uncollated.pages, (std::vector<int>{0, 0, 1, 1, 2, 2}));

    RecordingPrinter noCopies;   // a copy count below one still prints once
    ASSERT_TRUE(Send(noCopies, 1, 0, false));
    EXPECT_EQ(noCopies.pages, (std::vector<int>{0}));
}

TEST(PageOrderTest, AFailingPageStepOrACancelStopsAfterTheCurrentPage)
{
    RecordingPrinter startFails;
    startFails.failStartAt = 1;
    EXPECT_FALSE(Send(startFails, 3, 2, true));
    EXPECT_EQ(startFails.pages, (std::vector<int>{0}));
    EXPECT_EQ(startFails.ended, 1);

    RecordingPrinter endFails;
    endFails.failEndAt = 0;
    EXPECT_FALSE(Send(endFails, 3, 2, false));
    EXPECT_EQ(endFails.started, 1);

    RecordingPrinter cancelled;
    cancelled.abortAfterPages = 2;
    // Cancelling is not a failure of the page steps; the caller reports it.
    EXPECT_TRUE(Send(cancelled, 3, 2, false));
    EXPECT_EQ(cancelled.pages, (std::vector<int>{0, 0}));
}
