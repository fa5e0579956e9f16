#include "print_layout.h"

#include "document_text.h"
#include "shell_state.h"
#include "texts.h"

namespace {

const int PointsPerInch = 72;
// The header and footer: three quarters of the text's size, within these sizes.
const int SmallestMarkPoints = 6;
const int LargestMarkPoints = 10;
// Characters measured in one call are at most this many (GetTextExtentExPointW's widths buffer).
const int MeasureBufferChars = 2048;
const int FirstPageCapacity = 64;

int Magnitude(int value)
{
    return value < 0 ? -value : value;
}

// The document's whole text, kept as long as the layout: a terminated copy in memory of its own; null
// when there is no memory for it.
wchar_t* CopyDocumentText(HWND edit, int& length)
{
    DocumentTextCopy document(edit);
    if (!document.IsValid())
        return nullptr;
    length = document.Length();
    SIZE_T size = (static_cast<SIZE_T>(length) + 1) * sizeof(wchar_t);
    auto* text = static_cast<wchar_t*>(GlobalAlloc(GMEM_FIXED, size));
    if (text != nullptr)
        CopyMemory(text, document.Text(), size);
    return text;
}

// The font the document shows, as a logical font for the screen.
LOGFONTW DocumentFont(HWND edit)
{
    auto font = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0));
    if (font == nullptr)
        font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    LOGFONTW logical;
    ZeroMemory(&logical, sizeof(logical));
    GetObjectW(font, sizeof(logical), &logical);
    return logical;
}

// The same font at the same point size on the printer: its sizes scaled from the screen's
// resolution to the printer's.
LOGFONTW ForPrinter(LOGFONTW font, HDC printer)
{
    HDC screen = GetDC(nullptr);
    font.lfHeight = MulDiv(font.lfHeight, GetDeviceCaps(printer, LOGPIXELSY), GetDeviceCaps(screen, LOGPIXELSY));
    font.lfWidth = MulDiv(font.lfWidth, GetDeviceCaps(printer, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSX));
    ReleaseDC(nullptr, screen);
    return font;
}

LOGFONTW MarkFont(LOGFONTW font, HDC printer)
{
    int dotsPerInch = GetDeviceCaps(printer, LOGPIXELSY);
    int height = Magnitude(font.lfHeight) * 3 / 4;
    int smallest = MulDiv(SmallestMarkPoints, dotsPerInch, PointsPerInch);
    int largest = MulDiv(LargestMarkPoints, dotsPerInch, PointsPerInch);
    height = height < smallest ? smallest : (height > largest ? largest : height);
    font.lfHeight = font.lfHeight > 0 ? height : -height;
    font.lfWidth = 0;
    return font;
}

FontSize SizeOf(HDC printer, HFONT font)
{
    HGDIOBJ previous = SelectObject(printer, font);
    TEXTMETRICW metrics;
    ZeroMemory(&metrics, sizeof(metrics));
    GetTextMetricsW(printer, &metrics);
    SelectObject(printer, previous);
    return FontSize{metrics.tmHeight + metrics.tmExternalLeading, metrics.tmAveCharWidth};
}

PaperMetrics PaperOf(HDC printer)
{
    PaperMetrics paper;
    paper.width = GetDeviceCaps(printer, PHYSICALWIDTH);
    paper.height = GetDeviceCaps(printer, PHYSICALHEIGHT);
    paper.printableLeft = GetDeviceCaps(printer, PHYSICALOFFSETX);
    paper.printableTop = GetDeviceCaps(printer, PHYSICALOFFSETY);
    paper.printableWidth = GetDeviceCaps(printer, HORZRES);
    paper.printableHeight = GetDeviceCaps(printer, VERTRES);
    paper.dotsPerInchX = GetDeviceCaps(printer, LOGPIXELSX);
    paper.dotsPerInchY = GetDeviceCaps(printer, LOGPIXELSY);
    // A device that does not tell its sheet (not a printer) prints on its whole area.
    if (paper.width <= 0 || paper.height <= 0) {
        paper.width = paper.printableWidth;
        paper.height = paper.printableHeight;
        paper.printableLeft = paper.printableTop = 0;
    }
    return paper;
}

void KeepFileName(PrintLayout& print, HWND document)
{
    wchar_t title[MAX_PATH] = L"";
    GetWindowTextW(document, title, MAX_PATH);
    const wchar_t* name = title;
    for (const wchar_t* c = title; *c != L'\0'; ++c)
        if (*c == L'\\' || *c == L'/')
            name = c + 1;
    lstrcpynW(print.fileName, name, MAX_PATH);
}

// The printer's widths of the text in its font (selected while the layout is used), measured a
// buffer's length at a time.
int FitOnPrinter(void* context, const wchar_t* text, int length, int width, int* fitWidth)
{
    HDC printer = static_cast<const PrintLayout*>(context)->printer;
    static int extents[MeasureBufferChars];
    int fitting = 0;
    *fitWidth = 0;
    while (fitting < length) {
        int measured = length - fitting < MeasureBufferChars ? length - fitting : MeasureBufferChars;
        int fit = 0;
        SIZE size;
        if (!GetTextExtentExPointW(printer, text + fitting, measured, width - *fitWidth, &fit, extents, &size))
            break;
        if (fit > 0)
            *fitWidth += extents[fit - 1];
        fitting += fit;
        if (fit < measured)
            break;
    }
    return fitting;
}

TextMeasure MeasureOf(const PrintLayout& print)
{
    return TextMeasure{const_cast<PrintLayout*>(&print), FitOnPrinter};
}

void DrawRun(void* context, const wchar_t* text, int length, int x, int y)
{
    ExtTextOutW(static_cast<HDC>(context), x, y, 0, nullptr, text, static_cast<UINT>(length), nullptr);
}

// A header or footer line: centred in the column and cut at its edges.
void DrawMark(const PrintLayout& print, HDC target, const wchar_t* text, int top)
{
    int length = lstrlenW(text);
    SIZE size = {0, 0};
    HGDIOBJ previous = SelectObject(print.printer, print.markFont);
    GetTextExtentPoint32W(print.printer, text, length, &size);
    SelectObject(print.printer, previous);
    const PageLayout& layout = print.layout;
    RECT column = {layout.left, top, layout.left + layout.width, top + size.cy};
    ExtTextOutW(target, CentredX(layout, size.cx), top, ETO_CLIPPED, &column, text, static_cast<UINT>(length),
                nullptr);
}

bool GrowPageList(PrintLayout& print)
{
    int capacity = print.pageCapacity == 0 ? FirstPageCapacity : 2 * print.pageCapacity;
    auto* starts = static_cast<int*>(GlobalAlloc(GMEM_FIXED, static_cast<SIZE_T>(capacity) * sizeof(int)));
    if (starts == nullptr)
        return false;
    if (print.pageStarts != nullptr) {
        CopyMemory(starts, print.pageStarts, static_cast<SIZE_T>(print.pageCount) * sizeof(int));
        GlobalFree(print.pageStarts);
    }
    print.pageStarts = starts;
    print.pageCapacity = capacity;
    return true;
}

} // namespace

bool OpenPrintLayout(PrintLayout& print, HDC printer, HWND document, const PageChoices& choices)
{
    ZeroMemory(&print, sizeof(print));
    print.printer = printer;
    HWND edit = GetDlgItem(document, DocumentEditId);
    LOGFONTW font = ForPrinter(DocumentFont(edit), printer);
    LOGFONTW mark = MarkFont(font, printer);
    print.textFont = CreateFontIndirectW(&font);
    print.markFont = CreateFontIndirectW(&mark);
    print.text = CopyDocumentText(edit, print.length);
    if (print.textFont == nullptr || print.markFont == nullptr || print.text == nullptr) {
        ClosePrintLayout(print);
        return false;
    }
    KeepFileName(print, document);
    print.paper = PaperOf(printer);
    print.layout = LayOutPages(print.paper, choices.margins, SizeOf(printer, print.textFont),
                               SizeOf(printer, print.markFont), choices.header, choices.footer);
    SelectObject(printer, print.textFont);
    return true;
}

bool AllPagesCounted(const PrintLayout& print)
{
    return print.pageCount > 0 && !IsPageStart(print.length, print.laidOut);
}

bool CountPages(PrintLayout& print, int pages, bool& noMemory)
{
    noMemory = false;
    TextMeasure measure = MeasureOf(print);
    for (int i = 0; i < pages && !AllPagesCounted(print); ++i) {
        if (print.pageCount == print.pageCapacity && !GrowPageList(print)) {
            noMemory = true;
            return false;
        }
        print.pageStarts[print.pageCount++] = print.laidOut;
        print.laidOut = LayOutPage(print.layout, print.text, print.length, print.laidOut, measure, nullptr);
    }
    return AllPagesCounted(print);
}

void DrawPrintedPage(const PrintLayout& print, HDC target, int page)
{
    if (page < 0 || page >= print.pageCount)
        return;
    SetBkMode(target, TRANSPARENT);
    SetTextColor(target, RGB(0, 0, 0));
    SetTextAlign(target, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    HGDIOBJ previous = SelectObject(target, print.markFont);
    if (print.layout.header)
        DrawMark(print, target, print.fileName, print.layout.headerTop);
    if (print.layout.footer) {
        wchar_t number[64];
        wsprintfW(number, WIDE(TEXT_PAGE_NUMBER), page + 1, print.pageCount);
        DrawMark(print, target, number, print.layout.footerTop);
    }
    SelectObject(target, print.textFont);
    TextDrawer drawer = {target, DrawRun};
    LayOutPage(print.layout, print.text, print.length, print.pageStarts[page], MeasureOf(print), &drawer);
    SelectObject(target, previous);
}

void ClosePrintLayout(PrintLayout& print)
{
    if (print.printer != nullptr)
        SelectObject(print.printer, GetStockObject(SYSTEM_FONT));
    if (print.textFont != nullptr)
        DeleteObject(print.textFont);
    if (print.markFont != nullptr)
        DeleteObject(print.markFont);
    if (print.text != nullptr)
        GlobalFree(print.text);
    if (print.pageStarts != nullptr)
        GlobalFree(print.pageStarts);
    ZeroMemory(&print, sizeof(print));
}
