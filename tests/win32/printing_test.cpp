// Prints through the system's default printer (the PDF printer the test command sets up) and
// writes what each printed job must look like; check_printed_pdfs.sh then reads the PDFs.
#include <gtest/gtest.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "editor_harness.h"
#include "editor_hooks.h"
#include "page_setup.h"
#include "print_layout.h"
#include "print_preview.h"
#include "printing.h"
#include "resource_ids.h"
#include "settings_store.h"
#include "shell_state.h"

namespace {

// How the Print dialog is answered: the printer and paper it was offered (or a paper by name), with
// copies and collation.
struct PrintScript {
    bool refuse = false;
    const char* paper = nullptr;
    int copies = 1;
    bool collate = true;
    bool cancel = false;
    int calls = 0;
    PRINTDLGW offered = {};
    bool offeredPaper = false;       // the offered settings named a paper
    std::vector<int> lineOfPage;     // the document line each page begins with, as the layout has it
    int tabDots = 0;                 // the layout's tab stop and the printer's dots an inch
    int dotsPerInch = 0;
};
PrintScript script;

// What the printing box showed while the pages were sent.
struct BoxSeen {
    bool shown = false;
    std::string name;
    std::string page;
    bool frameEnabled = true;
};
BoxSeen box;

std::string runTag;

std::string DialogItemText(HWND dialog, int id)
{
    char text[300] = "";
    GetDlgItemTextA(dialog, id, text, sizeof(text));
    return text;
}

void LookAtPrintingBox();

void CALLBACK LookAgain(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    LookAtPrintingBox();
}

// Looks again a moment later (a message posted now would keep the pump that runs it busy for good)
// until the box names the page being sent.
void RecordPrintingBox()
{
    box.shown = hPrintDialog != nullptr && IsWindowVisible(hPrintDialog);
    if (!box.shown)
        return;
    box.name = DialogItemText(hPrintDialog, 2000);
    box.page = DialogItemText(hPrintDialog, 2001);
    box.frameEnabled = IsWindowEnabled(hMainWindow) != FALSE;
}

void LookAtPrintingBox()
{
    RecordPrintingBox();
    if (box.shown && box.page.empty())
        SetTimer(nullptr, 0, 1, LookAgain);
}

void PressCancelInPrintingBox();

void CALLBACK PressCancelAgain(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    PressCancelInPrintingBox();
}

// Cancels once the first page is on its way.
void PressCancelInPrintingBox()
{
    RecordPrintingBox();
    if (box.shown && box.page.empty())
        SetTimer(nullptr, 0, 1, PressCancelAgain);
    else if (hPrintDialog != nullptr)
        SendMessageA(GetDlgItem(hPrintDialog, IDCANCEL), BM_CLICK, 0, 0);
}

void ChoosePaper(const wchar_t* device, DEVMODEW* mode, const char* paper)
{
    int count = DeviceCapabilitiesW(device, nullptr, DC_PAPERNAMES, nullptr, nullptr);
    ASSERT_GT(count, 0);
    std::wstring names(static_cast<size_t>(count) * 64, L'\0');
    std::basic_string<WORD> ids(static_cast<size_t>(count), 0);
    DeviceCapabilitiesW(device, nullptr, DC_PAPERNAMES, &names[0], nullptr);
    DeviceCapabilitiesW(device, nullptr, DC_PAPERS, reinterpret_cast<wchar_t*>(&ids[0]), nullptr);
    std::wstring wanted(paper, paper + std::char_traits<char>::length(paper));
    for (int i = 0; i < count; ++i) {
        if (std::wcsncmp(&names[static_cast<size_t>(i) * 64], wanted.c_str(), 64) == 0) {
            mode->dmPaperSize = static_cast<short>(ids[static_cast<size_t>(i)]);
            mode->dmFields |= DM_PAPERSIZE;
            return;
        }
    }
    FAIL() << "the printer offers no paper " << paper;
}

// The document line (counted from 0) that holds character `position`.
int LineAt(const wchar_t* text, int position)
{
    int line = 0;
    for (int i = 0; i < position; ++i)
        if (text[i] == L'\n')
            ++line;
    return line;
}

// Lays the active document out for the printer as printing does and keeps where its pages begin.
void PredictPages(HDC printer)
{
    PrintLayout print;
    ASSERT_TRUE(OpenPrintLayout(print, printer, ActiveDocument(), CurrentPageChoices()));
    bool noMemory = false;
    EXPECT_TRUE(CountPages(print, 1000000, noMemory));
    script.lineOfPage.clear();
    for (int page = 0; page < print.pageCount; ++page)
        script.lineOfPage.push_back(LineAt(print.text, print.pageStarts[page]));
    script.tabDots = print.layout.tabWidth;
    script.dotsPerInch = print.paper.dotsPerInchX;
    ClosePrintLayout(print);
}

BOOL AnswerPrintDialog(PRINTDLGW* record)
{
    ++script.calls;
    script.offered = *record;
    auto* mode = static_cast<DEVMODEW*>(GlobalLock(record->hDevMode));
    script.offeredPaper = mode != nullptr && (mode->dmFields & DM_PAPERSIZE) != 0;
    GlobalUnlock(record->hDevMode);
    if (script.refuse)
        return FALSE;
    auto* names = static_cast<DEVNAMES*>(GlobalLock(record->hDevNames));
    mode = static_cast<DEVMODEW*>(GlobalLock(record->hDevMode));
    EXPECT_NE(names, nullptr);
    EXPECT_NE(mode, nullptr);
    if (names == nullptr || mode == nullptr)
        return FALSE;
    const wchar_t* base = reinterpret_cast<const wchar_t*>(names);
    if (script.paper != nullptr)
        ChoosePaper(base + names->wDeviceOffset, mode, script.paper);
    record->hDC = CreateDCW(base + names->wDriverOffset, base + names->wDeviceOffset, nullptr, mode);
    GlobalUnlock(record->hDevMode);
    GlobalUnlock(record->hDevNames);
    record->nCopies = static_cast<WORD>(script.copies);
    record->Flags = script.collate ? (record->Flags | PD_COLLATE) : (record->Flags & ~PD_COLLATE);
    PredictPages(record->hDC);
    RunFromMessagePump(script.cancel ? PressCancelInPrintingBox : LookAtPrintingBox);
    return record->hDC != nullptr;
}

// How the page setup dialog is answered: margins in thousandths of an inch and the two switches.
struct PageSetupScript {
    RECT margins = {1000, 1000, 1000, 1000};
    bool header = true;
    bool footer = true;
    int calls = 0;
    PAGESETUPDLGW offered = {};
    PageMarkSwitches offeredSwitches = {};
};
PageSetupScript pageSetup;

BOOL AnswerPageSetup(PAGESETUPDLGW* record)
{
    ++pageSetup.calls;
    pageSetup.offered = *record;
    auto* switches = reinterpret_cast<PageMarkSwitches*>(record->lCustData);
    pageSetup.offeredSwitches = *switches;
    switches->header = pageSetup.header;
    switches->footer = pageSetup.footer;
    record->Flags = (record->Flags & ~static_cast<DWORD>(PSD_INHUNDREDTHSOFMILLIMETERS)) | PSD_INTHOUSANDTHSOFINCHES;
    record->rtMargin = pageSetup.margins;
    return TRUE;
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

// The first and last document line of every page in printing order, as the layout predicted them.
std::string PredictedPages(int lines, int copies, bool collate)
{
    std::vector<int> first = script.lineOfPage;
    int count = static_cast<int>(first.size());
    std::string ranges;
    auto addPage = [&](int page) {
        int last = page + 1 < count ? first[static_cast<size_t>(page) + 1] - 1 : lines - 1;
        ranges += (ranges.empty() ? "" : ",") + std::to_string(first[static_cast<size_t>(page)]) + "-" +
                  std::to_string(last);
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
        ForgetRememberedSettings();
        ForgetPrinterSettings();
        script = PrintScript();
        pageSetup = PageSetupScript();
        box = BoxSeen();
        if (runTag.empty())
            runTag = "pm" + std::to_string(GetCurrentProcessId()) + "t" + std::to_string(GetTickCount() % 100000);
    }

    // Prints a document titled Job(job) through File > Print; the print job takes the document's
    // title as its name, which ties the PDF to this job.
    HWND Print(const std::string& job, const std::string& text)
    {
        HWND document = Document(text.c_str());
        SetWindowTextA(document, Job(job.c_str()).c_str());
        SendMessageA(hMainWindow, WM_COMMAND, IDM_FILE_PRINT, 0);
        PumpMessages();
        return document;
    }

    // File > Page Setup..., answered with the page setup script.
    void SetUpPages()
    {
        SeamStandIn<PageSetupDialogFunction> dialog{SetPageSetupDialogForTesting, AnswerPageSetup};
        SendMessageA(hMainWindow, WM_COMMAND, IDM_FILE_PAGESETUP, 0);
    }

    std::string Job(const char* name) const
    {
        return runTag + "-" + name;
    }

    static void Announce(const char* kind, const std::string& job, const std::string& rest)
    {
        std::printf("%s %s %s\n", kind, job.c_str(), rest.c_str());
        std::fflush(stdout);
    }

    void ExpectPrintedCleanly(const std::string& job)
    {
        EXPECT_EQ(script.calls, 1);
        EXPECT_TRUE(messages.Shown().empty());
        EXPECT_TRUE(box.shown);
        EXPECT_EQ(box.name, job);
        EXPECT_EQ(box.page.rfind("Page 1 of ", 0), 0u) << box.page;
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
        Announce("PDF-EXPECT", Job(job), PredictedPages(130, 2, collate));
    }

    MessageLog messages;
    SeamStandIn<PrintDialogFunction> printDialog{SetPrintDialogForTesting, AnswerPrintDialog};
};

TEST_F(PrintingTest, ThePrintDialogIsOfferedForTheFrameWithThePrinterAndPaperOfThePageSetup)
{
    script.refuse = true;
    Print("refused", Lines(Job("refused"), 3));
    EXPECT_EQ(script.calls, 1);
    EXPECT_EQ(script.offered.hwndOwner, hMainWindow);
    EXPECT_EQ(script.offered.Flags, static_cast<DWORD>(PD_RETURNDC | PD_COLLATE | PD_NOSELECTION));
    EXPECT_EQ(script.offered.nCopies, 1);
    EXPECT_NE(script.offered.hDevNames, nullptr);
    EXPECT_TRUE(script.offeredPaper);
    // A cancelled Print dialog prints nothing and says nothing.
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_TRUE(IsWindowEnabled(hMainWindow));
    Announce("PDF-NONE", Job("refused"), "");
}

TEST_F(PrintingTest, ALetterPrintsInsideTheMarginsInTheDocumentsFontWithItsPageNumbers)
{
    // The editor's font is 12-point; the letter has a sentence wider than the column, a 60-character
    // line of digits, a tab, and letters beyond ASCII: accented ones, an em dash and Greek.
    std::string job = Job("letter");
    std::string letter = "Dear reader,\r\n\r\n"
                         "This sentence is longer than any column of twelve-point type is wide, so it wraps at the margin "
                         "before a word, as it must do so.\r\n"
                         "012345678901234567890123456789012345678901234567890123456789\r\n"
                         "Name:\tPenmar\r\nCaf\xc3\xa9 au lait, na\xc3\xafve \xe2\x80\x94 \xce\xbb\xcf\x8c\xce\xb3\xce\xbf\xcf\x82\r\n\r\nYours truly,\r\nthe printer\r\n";
    Print("letter", letter);
    ExpectPrintedCleanly(job);
    ASSERT_EQ(script.lineOfPage.size(), 1u);
    // The tab stop in points, as the checker reads the PDF.
    char tab[32];
    std::snprintf(tab, sizeof(tab), "%.2f", 72.0 * script.tabDots / script.dotsPerInch);
    Announce("PDF-LETTER", job, tab);
}

TEST_F(PrintingTest, OneHundredThirtyLinesPageByPageAsTheLayoutHasThem)
{
    Print("single", Lines(Job("single"), 130));
    ExpectPrintedCleanly(Job("single"));
    EXPECT_GE(script.lineOfPage.size(), 3u);
    Announce("PDF-EXPECT", Job("single"), PredictedPages(130, 1, true));
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
    Announce("PDF-EXPECT", Job("empty"), "empty");
}

TEST_F(PrintingTest, CancelInThePrintingBoxEndsPrintingWithAMessageAndLeavesNoJob)
{
    // Cancelled while the pages are sent: the spooler keeps none of them.
    script.cancel = true;
    Print("cancelled", Lines(Job("cancelled"), 130));
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(box.page.rfind("Page ", 0), 0u) << box.page;
    EXPECT_EQ(userAbort, 1);
    EXPECT_EQ(hPrintDialog, nullptr);
    EXPECT_TRUE(IsWindowEnabled(hMainWindow));
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, "Unable to print file " + Job("cancelled"));
    EXPECT_EQ(messages.Shown()[0].caption, "Penmar");
    EXPECT_EQ(messages.Shown()[0].owner, hMainWindow);
    Announce("PDF-NONE", Job("cancelled"), "");
}

TEST_F(PrintingTest, PageSetupMarginsAndSwitchesAreUsedAndRemembered)
{
    // Two inches on the left, no header, no footer; on the paper of 16 by 20 inches.
    pageSetup.margins = RECT{2000, 1000, 1000, 1000};
    pageSetup.header = false;
    pageSetup.footer = false;
    SetUpPages();
    ASSERT_EQ(pageSetup.calls, 1);
    EXPECT_EQ(pageSetup.offered.hwndOwner, hMainWindow);
    EXPECT_NE(pageSetup.offered.Flags & PSD_MARGINS, 0u);
    EXPECT_TRUE(pageSetup.offeredSwitches.header);
    EXPECT_TRUE(pageSetup.offeredSwitches.footer);

    PageChoices choices = CurrentPageChoices();
    EXPECT_EQ(choices.margins.left, 2000);
    EXPECT_FALSE(choices.margins.metric);
    EXPECT_FALSE(choices.header);
    EXPECT_FALSE(choices.footer);

    // Offered again as they were chosen.
    SetUpPages();
    EXPECT_EQ(pageSetup.offered.rtMargin.left, MarginsIn(choices.margins, pageSetup.offered.Flags &
                                                                               PSD_INHUNDREDTHSOFMILLIMETERS)
                                                   .left);
    EXPECT_FALSE(pageSetup.offeredSwitches.header);

    script.paper = "16x20";
    Print("setup", Lines(Job("setup"), 30));
    ExpectPrintedCleanly(Job("setup"));
    Announce("PDF-SETUP", Job("setup"), "144");
}

namespace {

// What the system's page setup dialog showed of the editor's switches.
struct RealPageSetup {
    bool found = false;
    bool headerChecked = false;
    bool footerChecked = false;
    std::string headerText;
};
RealPageSetup realSetup;

BOOL CALLBACK FindPageSetup(HWND window, LPARAM found)
{
    if (IsWindowVisible(window) && GetDlgItem(window, PageSetupHeaderId) != nullptr) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// Switches the header off in the open dialog and presses OK.
void SwitchHeaderOffInPageSetup()
{
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindPageSetup, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr)
        return;
    realSetup.found = true;
    realSetup.headerChecked = IsDlgButtonChecked(dialog, PageSetupHeaderId) == BST_CHECKED;
    realSetup.footerChecked = IsDlgButtonChecked(dialog, PageSetupFooterId) == BST_CHECKED;
    realSetup.headerText = DialogItemText(dialog, PageSetupHeaderId);
    SendMessageA(GetDlgItem(dialog, PageSetupHeaderId), BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
}

} // namespace

TEST_F(PrintingTest, TheSystemsPageSetupDialogCarriesTheHeaderAndFooterSwitches)
{
    realSetup = RealPageSetup();
    RunFromMessagePump(SwitchHeaderOffInPageSetup);
    SendMessageA(hMainWindow, WM_COMMAND, IDM_FILE_PAGESETUP, 0);
    ASSERT_TRUE(realSetup.found);
    EXPECT_TRUE(realSetup.headerChecked);
    EXPECT_TRUE(realSetup.footerChecked);
    EXPECT_EQ(realSetup.headerText, "&Header: the file name at the top of each page");
    PageChoices choices = CurrentPageChoices();
    EXPECT_FALSE(choices.header);
    EXPECT_TRUE(choices.footer);
    // Margins the user left alone stay one inch, in whichever unit the dialog used.
    EXPECT_EQ(MarginsIn(choices.margins, false).left, 1000);

    // A damaged value is no choice: one-inch margins again.
    WriteSettingBytes(L"PageMargins", "abc", 3);
    EXPECT_EQ(MarginsIn(CurrentPageChoices().margins, false).top, 1000);
}

TEST_F(PrintingTest, LinesWiderThanTheColumnGoOnInTheNextPrintedLines)
{
    // Without header and footer: a 313-character line of words, and a word of 150 characters that
    // must be cut.
    pageSetup.header = false;
    pageSetup.footer = false;
    SetUpPages();
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
    Announce("PDF-TEXT", Job("wide"), std::to_string(script.lineOfPage.size()) + " " + printable);
}

TEST_F(PrintingTest, ThePreviewShowsThePagesThatPrint)
{
    HWND document = Document(Lines(Job("preview"), 130).c_str());
    SetWindowTextA(document, Job("preview").c_str());
    SendMessageA(hMainWindow, WM_COMMAND, IDM_FILE_PRINTPREVIEW, 0);
    PumpMessages();
    HWND window = PrintPreviewWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(IsWindowEnabled(hMainWindow));
    PreviewView view;
    ASSERT_TRUE(ViewOfPrintPreview(view));
    EXPECT_EQ(view.firstPage, 0);
    EXPECT_EQ(view.pagesShown, 1);
    ASSERT_GE(view.pageCount, 3);
    EXPECT_EQ(DialogItemText(window, PreviewPageTextId), "Page 1 of " + std::to_string(view.pageCount));
    // The page is as high as the window leaves room for, and as wide as the paper's proportions say.
    RECT page = view.firstPageOnScreen;
    EXPECT_GT(page.bottom - page.top, 300);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, PreviewPreviousId)));

    SendMessageA(window, WM_COMMAND, PreviewNextId, 0);
    ASSERT_TRUE(ViewOfPrintPreview(view));
    EXPECT_EQ(view.firstPage, 1);
    // Alt and the underlined letter press a button, as in a dialog: Pre&vious Page.
    SendMessageW(window, WM_SYSCHAR, L'v', 0);
    ASSERT_TRUE(ViewOfPrintPreview(view));
    EXPECT_EQ(view.firstPage, 0);
    SendMessageW(window, WM_SYSCHAR, L'N', 0);
    ASSERT_TRUE(ViewOfPrintPreview(view));
    EXPECT_EQ(view.firstPage, 1);
    SendMessageA(window, WM_COMMAND, PreviewPagesId, 0);
    ASSERT_TRUE(ViewOfPrintPreview(view));
    EXPECT_EQ(view.pagesShown, 2);
    EXPECT_EQ(DialogItemText(window, PreviewPageTextId),
              "Pages 2 and 3 of " + std::to_string(view.pageCount));
    SendMessageA(window, WM_KEYDOWN, VK_END, 0);
    ASSERT_TRUE(ViewOfPrintPreview(view));
    EXPECT_EQ(view.firstPage + view.pagesShown, view.pageCount);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, PreviewNextId)));
    SendMessageA(window, WM_COMMAND, PreviewZoomInId, 0);
    ASSERT_TRUE(ViewOfPrintPreview(view));
    EXPECT_EQ(view.zoomPercent, 150);
    UpdateWindow(window);

    // Print... closes the preview and prints the same pages: as many as the preview counted.
    int previewPages = view.pageCount;
    SendMessageA(window, WM_COMMAND, PreviewPrintId, 0);
    PumpMessages();
    EXPECT_EQ(PrintPreviewWindow(), nullptr);
    ExpectPrintedCleanly(Job("preview"));
    EXPECT_EQ(static_cast<int>(script.lineOfPage.size()), previewPages);
    Announce("PDF-EXPECT", Job("preview"), PredictedPages(130, 1, true));
}

TEST_F(PrintingTest, ThePreviewClosesWithEscapeAndGivesTheFrameBack)
{
    Document("A short note.");
    SendMessageA(hMainWindow, WM_COMMAND, IDM_FILE_PRINTPREVIEW, 0);
    HWND window = PrintPreviewWindow();
    ASSERT_NE(window, nullptr);
    PreviewView view;
    ASSERT_TRUE(ViewOfPrintPreview(view));
    EXPECT_EQ(view.pageCount, 1);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, PreviewNextId)));
    SendMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    PumpMessages();
    EXPECT_EQ(PrintPreviewWindow(), nullptr);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(IsWindowEnabled(hMainWindow));
    EXPECT_EQ(script.calls, 0);
}

} // namespace
