#include "view_marks.h"

#include "document_text.h"
#include "scan_text.h"
#include "spell_tables.h"
#include "unknown_words.h"

namespace {

// A row of the view: room for its characters (a row is at most the view's width of them).
const int RowCapacity = 4096;

// The characters read, scanned and measured for one row at a time.
struct RowText {
    int start;
    int length;
    wchar_t text[RowCapacity];
    char scan[RowCapacity];
    int extents[RowCapacity];   // x after each character, from the row's left
};
RowText row;

WordPlace places[MaxViewMarks];

// A load of the word lists failed here, and none has succeeded since.
bool listsRefused = false;

bool MayGiveVerdicts()
{
    if (SpellTables.TablesLoaded != 0)
        listsRefused = false;
    return !listsRefused;
}

// Characters that the control lays out as the font measures them, one after the other: no tab (laid
// out at tab stops), no character that another font or script shaping may draw.
bool MeasuredAsWritten(const wchar_t* text, int length)
{
    const wchar_t lastSimple = 0x02FF;   // Latin letters and spacing modifiers
    for (int i = 0; i < length; i++) {
        wchar_t c = text[i];
        bool punctuation = c >= 0x2000 && c <= 0x20CF;
        if (c < L' ' || (c > lastSimple && !punctuation))
            return false;
    }
    return true;
}

void AddMark(const ViewGeometry& view, int r, const WordPlace& place, int left, int right, ViewMarks& found)
{
    if (found.count >= MaxViewMarks || left >= view.format.right)
        return;
    ViewMark& mark = found.marks[found.count++];
    mark.row = r;
    mark.start = row.start + place.start;
    mark.length = place.length;
    mark.left = left;
    mark.right = right < view.format.right ? right : view.format.right;
}

// Where each word's letters stand: measured in the row when its characters up to the last word are laid
// out as written, otherwise asked of the control.
void PlaceMarks(HWND edit, HDC dc, const ViewGeometry& view, int r, int count, ViewMarks& found)
{
    const WordPlace& last = places[count - 1];
    int measured = last.start + last.length;
    SIZE size;
    if (MeasuredAsWritten(row.text, measured) &&
        GetTextExtentExPointW(dc, row.text, measured, 0, nullptr, row.extents, &size)) {
        for (int i = 0; i < count; i++) {
            const WordPlace& place = places[i];
            int left = view.format.left + (place.start > 0 ? row.extents[place.start - 1] : 0);
            int right = view.format.left + row.extents[place.start + place.length - 1];
            AddMark(view, r, place, left, right, found);
        }
        return;
    }
    for (int i = 0; i < count; i++) {
        const WordPlace& place = places[i];
        LRESULT point = SendMessageW(edit, EM_POSFROMCHAR, static_cast<WPARAM>(row.start + place.start), 0);
        int left = static_cast<short>(LOWORD(point));
        if (!GetTextExtentPoint32W(dc, row.text + place.start, place.length, &size))
            continue;
        AddMark(view, r, place, left, left + size.cx, found);
    }
}

// A DC of the edit control with its font, for measuring.
class EditFontDC {
public:
    explicit EditFontDC(HWND edit) : edit_(edit), dc_(GetDC(edit)), old_(nullptr)
    {
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0));
        if (dc_ != nullptr && font != nullptr)
            old_ = SelectObject(dc_, font);
    }
    ~EditFontDC()
    {
        if (dc_ == nullptr)
            return;
        if (old_ != nullptr)
            SelectObject(dc_, old_);
        ReleaseDC(edit_, dc_);
    }
    EditFontDC(const EditFontDC&) = delete;
    EditFontDC& operator=(const EditFontDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND edit_;
    HDC dc_;
    HGDIOBJ old_;
};

// The row from character index start to the next row's start (end), in a text read where the control
// keeps it: each row's start is one question to the control, which under Wine counts its rows from the
// top of the text for every question, so a row asked for by its number as well costs twice as much.
void ReadRowOfText(const DocumentTextView& text, int start, int end)
{
    row.start = start;
    if (end < start || end > text.Length())
        end = text.Length();
    while (end > start && (text.Text()[end - 1] == L'\n' || text.Text()[end - 1] == L'\r'))
        end--;
    row.length = end - start < RowCapacity - 1 ? end - start : RowCapacity - 1;
    CopyMemory(row.text, text.Text() + start, static_cast<SIZE_T>(row.length) * sizeof(wchar_t));
    row.text[row.length] = L'\0';
    ScanTextFromUtf16(row.text, row.length, row.scan);
    row.scan[row.length] = '\0';
}

int RowStart(HWND edit, int line)
{
    return static_cast<int>(SendMessageW(edit, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
}

// What RowAfterWholeLine answers when only the control can say where the next row begins.
const int AskTheControl = -2;
// The longest line measured rather than asked about: longer ones wrap in any view.
const int MeasuredLineLimit = 1024;

// Where the row after the one beginning at `start` begins, found without asking the control when that
// row is a whole line of the text, ended by CR LF, that fits the view's width with a wide character to
// spare, so that the control cannot have wrapped it; -1 after the text's last line. Lines with tabs,
// other scripts or other line ends are left to the control.
int RowAfterWholeLine(HDC dc, const ViewGeometry& view, const DocumentTextView& text, int start)
{
    const wchar_t* characters = text.Text();
    int length = text.Length();
    int end = start;
    while (end < length && end - start <= MeasuredLineLimit && characters[end] != L'\r' && characters[end] != L'\n')
        end++;
    if (end - start > MeasuredLineLimit || !MeasuredAsWritten(characters + start, end - start))
        return AskTheControl;
    bool lastLine = end == length;
    if (!lastLine && !(end + 1 < length && characters[end] == L'\r' && characters[end + 1] == L'\n'))
        return AskTheControl;
    SIZE size = {};
    if (!GetTextExtentPoint32W(dc, characters + start, end - start, &size))
        return AskTheControl;
    if (size.cx > (view.format.right - view.format.left) - view.widestCharacter)
        return AskTheControl;
    return lastLine ? -1 : end + 2;
}

} // namespace

bool GetViewGeometry(HWND edit, ViewGeometry& view)
{
    EditFontDC dc(edit);
    if (dc.Get() == nullptr)
        return false;
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc.Get(), &metrics);
    view.lineHeight = metrics.tmHeight;
    view.widestCharacter = metrics.tmMaxCharWidth;
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&view.format));
    view.firstLine = static_cast<int>(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0));
    if (view.lineHeight <= 0 || view.format.bottom <= view.format.top)
        return false;
    int lines = static_cast<int>(SendMessageW(edit, EM_GETLINECOUNT, 0, 0));
    int shown = (view.format.bottom - view.format.top + view.lineHeight - 1) / view.lineHeight;
    view.shownRows = shown > MaxViewRows ? MaxViewRows : shown;
    int rows = view.shownRows < lines - view.firstLine ? view.shownRows : lines - view.firstLine;
    view.rows = rows < 0 ? 0 : rows;
    return true;
}

bool FindViewMarks(HWND edit, const ViewGeometry& view, int firstRow, int endRow, int32_t spared, ViewMarks& found)
{
    found.count = 0;
    if (!MayGiveVerdicts())
        return false;
    EditFontDC dc(edit);
    if (dc.Get() == nullptr)
        return true;
    if (endRow > view.rows)
        endRow = view.rows;
    if (firstRow < 0)
        firstRow = 0;
    DocumentTextView text(edit);
    if (!text.IsValid())
        return true;
    int nextStart = firstRow < endRow ? RowStart(edit, view.firstLine + firstRow) : -1;
    for (int r = firstRow; r < endRow && found.count < MaxViewMarks; r++) {
        int start = nextStart;
        if (start < 0 || start > text.Length())
            break;
        nextStart = RowAfterWholeLine(dc.Get(), view, text, start);
        if (nextStart == AskTheControl)
            nextStart = RowStart(edit, view.firstLine + r + 1);
        ReadRowOfText(text, start, nextStart);
        int32_t rowSpared = spared >= row.start && spared <= row.start + row.length ? spared - row.start : -1;
        int32_t count = FindUnknownWords(row.scan, row.length, rowSpared, places, MaxViewMarks - found.count);
        if (count == NoVerdict) {
            listsRefused = true;
            found.count = 0;
            return false;
        }
        if (count > 0)
            PlaceMarks(edit, dc.Get(), view, r, count, found);
    }
    return true;
}

void TryWordListsAgain()
{
    listsRefused = false;
}

int RowAt(const ViewGeometry& view, int y)
{
    if (y < view.format.top || view.lineHeight <= 0)
        return -1;
    int r = (y - view.format.top) / view.lineHeight;
    return r < view.rows ? r : -1;
}

RECT RowRect(const ViewGeometry& view, int r)
{
    RECT rect = {view.format.left, view.format.top + r * view.lineHeight, view.format.right,
                 view.format.top + (r + 1) * view.lineHeight};
    return rect;
}

bool UnknownWordAt(HWND edit, int32_t index, DocumentWord& word)
{
    int line = static_cast<int>(SendMessageW(edit, EM_LINEFROMCHAR, static_cast<WPARAM>(index), 0));
    if (!MayGiveVerdicts())
        return false;
    DocumentTextView text(edit);
    int start = RowStart(edit, line);
    if (!text.IsValid() || start < 0 || start > text.Length())
        return false;
    ReadRowOfText(text, start, RowStart(edit, line + 1));
    int32_t count = FindUnknownWords(row.scan, row.length, -1, places, MaxViewMarks);
    listsRefused = count == NoVerdict;
    for (int32_t i = 0; i < count; i++) {
        const WordPlace& place = places[i];
        int32_t at = index - row.start;
        if (at < place.start || at > place.start + place.length)
            continue;
        word.start = row.start + place.start;
        word.length = place.length;
        for (int32_t k = 0; k < place.length; k++) {
            word.text[k] = row.text[place.start + k];
            word.listForm[k] = row.scan[place.start + k];
        }
        word.text[place.length] = L'\0';
        word.listForm[place.length] = '\0';
        return true;
    }
    return false;
}
