// Prints through the system's default printer (the PDF printer the test command sets up) and
// writes what each printed job must look like; check_printed_pdfs.sh then reads the PDFs.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

#include "editor_harness.h"
#include "editor_hooks.h"
#include "print_pages.h"
#include "printing.h"
#include "shell_state.h"

namespace {

// How the Print dialog is answered: the default printer, with a paper size, copies and collation.
struct PrintScript {
    bool refuse = false;
    const char* paper = "16x20";   // 4800 by 6000 at 300 dpi: 60 lines of the default font
    int copies = 1;
    bool collate = true;
    bool cancel = false;
    int calls = 0;
    PRINTDLGW offered = {};
    PageGeometry geometry = {};
};
PrintScript script;

// What the printing box showed while the pages were sent.
struct BoxSeen {
    bool shown = false;
    std::string name;
    bool frameEnabled = true;
};
BoxSeen box;

std::string runTag;

void LookAtPrintingBox()
{
    box.shown = hPrintDialog != nullptr && IsWindowVisible(hPrintDialog);
    if (!box.shown)
        return;
    char name[300] = "";
    GetDlgItemTextA(hPrintDialog, 2000, name, sizeof(name));
    box.name = name;
    box.frameEnabled = IsWindowEnabled(hMainWindow) != FALSE;
}

void PressCancelInPrintingBox()
{
    LookAtPrintingBox();
    if (hPrintDialog != nullptr)
        SendMessageA(GetDlgItem(hPrintDialog, IDCANCEL), BM_CLICK, 0, 0);
}

void ChoosePaper(const wchar_t* device, const wchar_t* port, DEVMODEW* mode, const char* paper)
{
    int count = DeviceCapabilitiesW(device, port, DC_PAPERNAMES, nullptr, nullptr);
    ASSERT_GT(count, 0);
    std::wstring names(static_cast<size_t>(count) * 64, L'\0');
    std::basic_string<WORD> ids(static_cast<size_t>(count), 0);
    DeviceCapabilitiesW(device, port, DC_PAPERNAMES, &names[0], nullptr);
    DeviceCapabilitiesW(device, port, DC_PAPERS, reinterpret_cast<wchar_t*>(&ids[0]), nullptr);
    std::wstring wanted = WideOf(paper);
    for (int i = 0; i < count; ++i) {
        if (std::wcsncmp(&names[static_cast<size_t>(i) * 64], wanted.c_str(), 64) == 0) {
            mode->dmPaperSize = static_cast<short>(ids[static_cast<size_t>(i)]);
            mode->dmFields |= DM_PAPERSIZE;
            return;
        }
    }
    FAIL() << "the printer offers no paper " << paper;
}

BOOL AnswerPrintDialog(PRINTDLGW* record)
{
    ++script.calls;
    script.offered = *record;
    if (script.refuse)
        return FALSE;
    PRINTDLGW defaults = {};
    defaults.lStructSize = sizeof(defaults);
    defaults.Flags = PD_RETURNDEFAULT;
    if (!PrintDlgW(&defaults))
        return FALSE;
    auto* names = static_cast<DEVNAMES*>(GlobalLock(defaults.hDevNames));
    auto* mode = static_cast<DEVMODEW*>(GlobalLock(defaults.hDevMode));
    const wchar_t* base = reinterpret_cast<const wchar_t*>(names);
    if (script.paper != nullptr)
        ChoosePaper(base + names->wDeviceOffset, base + names->wOutputOffset, mode, script.paper);
    record->hDC = CreateDCW(base + names->wDriverOffset, base + names->wDeviceOffset,
                            base + names->wOutputOffset, mode);
    GlobalUnlock(defaults.hDevMode);
    GlobalUnlock(defaults.hDevNames);
    record->hDevMode = defaults.hDevMode;     // PrintDocument releases them
    record->hDevNames = defaults.hDevNames;
    record->nCopies = static_cast<WORD>(script.copies);
    record->Flags = script.collate ? (record->Flags | PD_COLLATE) : (record->Flags & ~PD_COLLATE);

    TEXTMETRICA metrics = {};
    GetTextMetricsA(record->hDC, &metrics);
    script.geometry = MeasurePages(metrics.tmHeight, metrics.tmExternalLeading, GetDeviceCaps(record->hDC, VERTRES));
    RunFromMessagePump(script.cancel ? PressCancelInPrintingBox : LookAtPrintingBox);
    return record->hDC != nullptr;
}

std::string Lines(const std::string& job, int count)
{
    std::string text;
    char line[64];
    for (int i = 0; i < count; ++i) {
        std::snprintf(line, sizeof(line), "%s%s line %03d", i == 0 ? "" : "\r\n", job.c_str(), i);
        text += line;
    }
    return text;
}

// The first and last document line of every page in printing order, as the page arithmetic
// predicts it for the printer's own metrics.
std::string PredictedPages(int lines, int copies, bool collate)
{
    PageGeometry pages = script.geometry;
    int count = (lines + pages.linesPerPage - 1) / pages.linesPerPage;
    std::string ranges;
    auto addPage = [&](int page) {
        int first = page * pages.linesPerPage;
        int last = first + pages.linesPerPage - 1 < lines - 1 ? first + pages.linesPerPage - 1 : lines - 1;
        ranges += (ranges.empty() ? "" : ",") + std::to_string(first) + "-" + std::to_string(last);
    };
    for (int run = 0; run < (collate ? copies : 1); ++run)
        for (int page = 0; page < count; ++page)
            for (int repeat = 0; repeat < (collate ? 1 : copies); ++repeat)
                addPage(page);
    return ranges;
}

class PrintingTest : public SharedFrameTest {
protected:
    void SetUp() override
    {
        SharedFrameTest::SetUp();
        script = PrintScript();
        box = BoxSeen();
        if (runTag.empty())
            runTag = "pm" + std::to_string(GetCurrentProcessId()) + "t" + std::to_string(GetTickCount() % 100000);
    }

    // Prints a document titled Job(job) through File > Print; the print job takes the document's
    // title as its name, which ties the PDF to this job.
    void Print(const std::string& job, const std::string& text)
    {
        HWND document = Document(text.c_str());
        SetWindowTextA(document, Job(job.c_str()).c_str());
        SendMessageA(hMainWindow, WM_COMMAND, 40006, 0);
        PumpMessages();
    }

    std::string Job(const char* name) const
    {
        return runTag + "-" + name;
    }

    static void ExpectPdf(const std::string& job, const std::string& pages)
    {
        std::printf("PDF-EXPECT %s %s\n", job.c_str(), pages.c_str());
        std::fflush(stdout);
    }

    void ExpectPrintedCleanly(const std::string& job)
    {
        EXPECT_EQ(script.calls, 1);
        EXPECT_TRUE(messages.Shown().empty());
        EXPECT_TRUE(box.shown);
        EXPECT_EQ(box.name, job);
        EXPECT_FALSE(box.frameEnabled);
        EXPECT_EQ(hPrintDialog, nullptr);
        EXPECT_TRUE(IsWindowEnabled(hMainWindow));
    }

    // Prints 130 lines as two copies and expects the pages in the order the collate setting asks for.
    void PrintTwoCopies(const char* job, bool collate)
    {
        script.copies = 2;
        script.collate = collate;
        Print(job, Lines(Job(job), 130));
        ExpectPrintedCleanly(Job(job));
        ExpectPdf(Job(job), PredictedPages(130, 2, collate));
    }

    MessageLog messages;
    SeamStandIn<PrintDialogFunction> printDialog{SetPrintDialogForTesting, AnswerPrintDialog};
};

TEST_F(PrintingTest, ThePrintDialogIsOfferedForTheFrame)
{
    script.refuse = true;
    Print("refused", Lines(Job("refused"), 3));
    EXPECT_EQ(script.calls, 1);
    EXPECT_EQ(script.offered.hwndOwner, hMainWindow);
    EXPECT_EQ(script.offered.Flags, static_cast<DWORD>(PD_RETURNDC | PD_COLLATE | PD_NOSELECTION));
    EXPECT_EQ(script.offered.nCopies, 1);
    EXPECT_EQ(script.offered.hDevMode, nullptr);
    EXPECT_EQ(script.offered.hDevNames, nullptr);
    // A cancelled Print dialog prints nothing and says nothing.
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_TRUE(IsWindowEnabled(hMainWindow));
    std::printf("PDF-NONE %s\n", Job("refused").c_str());
}

TEST_F(PrintingTest, OneHundredThirtyLinesOnSixtyLinePages)
{
    Print("single", Lines(Job("single"), 130));
    ExpectPrintedCleanly(Job("single"));
    EXPECT_EQ(script.geometry.linesPerPage, 60);
    EXPECT_EQ(PredictedPages(130, 1, true), "0-59,60-119,120-129");
    ExpectPdf(Job("single"), PredictedPages(130, 1, true));
}

TEST_F(PrintingTest, CollatedCopiesAreCompleteRuns)
{
    PrintTwoCopies("collated", true);
}

TEST_F(PrintingTest, UncollatedCopiesRepeatEachPage)
{
    PrintTwoCopies("uncollated", false);
}

TEST_F(PrintingTest, AnEmptyDocumentPrintsOneEmptyPage)
{
    Print("empty", "");
    ExpectPrintedCleanly(Job("empty"));
    ExpectPdf(Job("empty"), "empty");
}

TEST_F(PrintingTest, CancelInThePrintingBoxEndsPrintingWithAMessage)
{
    script.cancel = true;
    Print("cancelled", Lines(Job("cancelled"), 130));
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(userAbort, 1);
    EXPECT_EQ(hPrintDialog, nullptr);
    EXPECT_TRUE(IsWindowEnabled(hMainWindow));
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, "Unable to print file " + Job("cancelled"));
    EXPECT_EQ(messages.Shown()[0].caption, "Penmar");
    EXPECT_EQ(messages.Shown()[0].owner, hMainWindow);
    std::printf("PDF-NONE %s\n", Job("cancelled").c_str());
}

TEST_F(PrintingTest, ThePrinterDefaultPaperGivesItsOwnPageBreaks)
{
    script.paper = nullptr;
    Print("default", Lines(Job("default"), 130));
    ExpectPrintedCleanly(Job("default"));
    EXPECT_GT(script.geometry.linesPerPage, 0);
    ExpectPdf(Job("default"), PredictedPages(130, 1, true));
}

TEST_F(PrintingTest, LinesWiderThanThePageGoOnInTheNextPrintedLines)
{
    // On the printer's default paper: a 313-character line of words, and a word of 150
    // characters that must be cut.
    script.paper = nullptr;
    std::string text = Lines(Job("wide"), 130);
    std::string words = Job("wide") + " line 005";
    const char* const vocabulary[] = {"every", "character", "reaches", "the", "paper", "continued", "below"};
    for (int i = 0; words.size() < 310; ++i)
        words += std::string(" ") + vocabulary[i % 7];
    words.resize(310);
    words += "end";
    std::string longWord = Job("wide") + " line 077 ";
    for (int i = 0; i < 150; ++i)
        longWord += static_cast<char>('a' + i % 26);
    size_t lineLength = Job("wide").size() + 9;   // "<job> line NNN"
    text.replace(text.find(Job("wide") + " line 005"), lineLength, words);
    text.replace(text.find(Job("wide") + " line 077"), lineLength, longWord);

    Print("wide", text);
    ExpectPrintedCleanly(Job("wide"));
    std::string printable;
    for (char c : text)
        if (c != ' ' && c != '\r' && c != '\n')
            printable += c;
    std::printf("PDF-TEXT %s %d %s\n", Job("wide").c_str(), script.geometry.linesPerPage, printable.c_str());
}

} // namespace
