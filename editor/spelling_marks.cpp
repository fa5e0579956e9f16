#include "spelling_marks.h"

#include <cstdint>

#include "document_edit.h"
#include "documents.h"
#include "shell_state.h"
#include "spelling_switch.h"
#include "view_marks.h"

namespace {

// How a mark looks: a pure red zigzag in the bottom pixels of its row, under the word's letters.
const COLORREF MarkColor = RGB(220, 0, 0);
const int WaveHeight = 3;   // pixels, the row's last ones
const int WaveStep = 2;     // pixels from a crest to a trough; waves start at client x divisible by twice this

const UINT_PTR MarksTimerId = 0x4D4B;

const wchar_t MarksProperty[] = L"PenmarSpellingMarks";

// What the screen holds of a row's marks.
enum RowState : uint8_t {
    RowShown,        // exactly the marks whose hash is kept
    RowMayLack,      // none that are wrong, but perhaps not all (the control drew over some)
    RowMayBeStale,   // perhaps marks that are wrong: the row must be painted again
};

struct DrawnRow {
    uint32_t hash;   // of the marks shown; NoMarks for none
    RowState state;
};

const uint32_t NoMarks = 0;

// Kept with each document's edit control while marks are on.
struct MarksRecord {
    int firstLine;          // the view's first line when the rows were last brought up to date
    DrawnRow rows[MaxViewRows];
    bool typing;            // the last change was typed at the caret: the word there is not marked yet
    bool timerSet;
};

// One look at the view at a time (the procedures below never run inside one another).
ViewMarks found;

// The edit control last asked about and its record: every message of a document's control comes
// here, and a window property is asked of the window server each time (under Wine).
HWND lastEdit = nullptr;
MarksRecord* lastRecord = nullptr;

MarksRecord* RecordOf(HWND edit)
{
    if (edit != lastEdit) {
        lastEdit = edit;
        lastRecord = static_cast<MarksRecord*>(GetPropW(edit, MarksProperty));
    }
    return lastRecord;
}

MarksRecord* AttachRecord(HWND edit)
{
    MarksRecord* record = static_cast<MarksRecord*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(MarksRecord)));
    if (record == nullptr)
        return nullptr;
    record->firstLine = static_cast<int>(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0));
    for (DrawnRow& row : record->rows)
        row = {NoMarks, RowMayLack};
    if (!SetPropW(edit, MarksProperty, record)) {
        HeapFree(GetProcessHeap(), 0, record);
        return nullptr;
    }
    lastEdit = edit;
    lastRecord = record;
    return record;
}

void DetachRecord(HWND edit)
{
    MarksRecord* record = static_cast<MarksRecord*>(RemovePropW(edit, MarksProperty));
    if (edit == lastEdit)
        lastEdit = nullptr;
    KillTimer(edit, MarksTimerId);
    if (record != nullptr)
        HeapFree(GetProcessHeap(), 0, record);
}

void SetMarksTimer(HWND edit, MarksRecord& record)
{
    if (!record.timerSet)
        record.timerSet = SetTimer(edit, MarksTimerId, SpellingMarksDelay, nullptr) != 0;
}

// The rows of the record move with the lines when the control has scrolled them.
void FollowScrolling(MarksRecord& record, const ViewGeometry& view)
{
    int shift = view.firstLine - record.firstLine;
    record.firstLine = view.firstLine;
    if (shift == 0)
        return;
    DrawnRow moved[MaxViewRows];
    for (int r = 0; r < MaxViewRows; r++) {
        int from = r + shift;
        moved[r] = from >= 0 && from < MaxViewRows ? record.rows[from] : DrawnRow{NoMarks, RowMayLack};
    }
    for (int r = 0; r < MaxViewRows; r++)
        record.rows[r] = moved[r];
}

// The character index of the word being typed, or -1.
int32_t SparedIndex(HWND edit, const MarksRecord& record)
{
    if (!record.typing)
        return -1;
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start == end ? static_cast<int32_t>(end) : -1;
}

// Marks of rows firstRow to endRow - 1 of the view into `found`; none when the lists give no verdict.
void FindMarks(HWND edit, const MarksRecord& record, const ViewGeometry& view, int firstRow, int endRow)
{
    if (!FindViewMarks(edit, view, firstRow, endRow, SparedIndex(edit, record), found))
        found.count = 0;
}

uint32_t HashOfRow(int row)
{
    uint32_t hash = 2166136261u;
    bool any = false;
    for (int32_t i = 0; i < found.count; i++) {
        const ViewMark& mark = found.marks[i];
        if (mark.row != row)
            continue;
        any = true;
        const uint32_t values[] = {static_cast<uint32_t>(mark.left), static_cast<uint32_t>(mark.right)};
        for (uint32_t value : values)
            hash = (hash ^ value) * 16777619u;
    }
    return any ? (hash | 1u) : NoMarks;
}

void DrawWave(HDC dc, const ViewMark& mark, int rowBottom)
{
    int bottom = rowBottom - 1;
    int top = bottom - (WaveHeight - 1);
    int saved = SaveDC(dc);
    IntersectClipRect(dc, mark.left, top, mark.right, bottom + 1);
    // The zigzag's corners stand at fixed client x, so whatever part of a mark is drawn again, its pixels
    // are the same. Drawn a piece at a time, each piece going on from the last one's end.
    int period = 2 * WaveStep;
    int x = mark.left - ((mark.left % period) + period) % period;
    const int pieceCorners = 64;
    POINT corners[pieceCorners];
    int count = 0;
    for (; x <= mark.right + WaveStep; x += WaveStep) {
        corners[count].x = x;
        corners[count].y = (x / WaveStep) % 2 == 0 ? bottom : top;
        if (++count == pieceCorners) {
            Polyline(dc, corners, count);
            corners[0] = corners[count - 1];
            count = 1;
        }
    }
    if (count > 1)
        Polyline(dc, corners, count);
    RestoreDC(dc, saved);
}

// Draws the marks found for rows firstRow to endRow - 1, clipped to the formatting rectangle.
void DrawMarks(HDC dc, const ViewGeometry& view, int firstRow, int endRow)
{
    if (found.count == 0)
        return;
    HPEN pen = CreatePen(PS_SOLID, 1, MarkColor);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    int saved = SaveDC(dc);
    IntersectClipRect(dc, view.format.left, view.format.top, view.format.right, view.format.bottom);
    for (int32_t i = 0; i < found.count; i++) {
        const ViewMark& mark = found.marks[i];
        if (mark.row >= firstRow && mark.row < endRow)
            DrawWave(dc, mark, RowRect(view, mark.row).bottom);
    }
    RestoreDC(dc, saved);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

// Draws on the control's own window, around its caret.
void DrawMarksOnScreen(HWND edit, const ViewGeometry& view, int firstRow, int endRow)
{
    if (found.count == 0)
        return;
    HDC dc = GetDC(edit);
    if (dc == nullptr)
        return;
    HideCaret(edit);
    DrawMarks(dc, view, firstRow, endRow);
    ShowCaret(edit);
    ReleaseDC(edit, dc);
}

void PaintRowAgain(HWND edit, const ViewGeometry& view, int row)
{
    RECT rect = RowRect(view, row);
    InvalidateRect(edit, &rect, TRUE);
}

bool WholeRowPainted(HRGN painted, const ViewGeometry& view, int row)
{
    RECT rect = RowRect(view, row);
    HRGN rowRegion = CreateRectRgnIndirect(&rect);
    bool whole = CombineRgn(rowRegion, rowRegion, painted, RGN_DIFF) == NULLREGION;
    DeleteObject(rowRegion);
    return whole;
}

// After the control painted `painted`: the marks of the rows it touched are drawn over it.
void MarkPaintedRows(HWND edit, MarksRecord& record, HRGN painted)
{
    ViewGeometry view;
    if (!GetViewGeometry(edit, view))
        return;
    FollowScrolling(record, view);
    RECT box;
    GetRgnBox(painted, &box);
    int firstRow = (box.top - view.format.top) / view.lineHeight;
    int endRow = (box.bottom - view.format.top + view.lineHeight - 1) / view.lineHeight;
    firstRow = firstRow < 0 ? 0 : firstRow;
    endRow = endRow > view.shownRows ? view.shownRows : endRow;
    FindMarks(edit, record, view, firstRow, endRow);
    DrawMarksOnScreen(edit, view, firstRow, endRow);
    for (int r = firstRow; r < endRow; r++) {
        DrawnRow& row = record.rows[r];
        uint32_t hash = HashOfRow(r);
        // Where the control painted only part of the row, marks drawn before may stand beside it.
        bool nothingStale = WholeRowPainted(painted, view, r) || row.state == RowMayLack ||
                            (row.state == RowShown && (row.hash == hash || row.hash == NoMarks));
        row = nothingStale ? DrawnRow{hash, RowShown} : DrawnRow{row.hash, RowMayBeStale};
    }
}

LRESULT PaintWithMarks(HWND edit, MarksRecord& record, WPARAM wParam, LPARAM lParam)
{
    HRGN painted = CreateRectRgn(0, 0, 0, 0);
    bool anything = painted != nullptr && GetUpdateRgn(edit, painted, FALSE) != NULLREGION;
    LRESULT result = CallSystemEditProc(edit, WM_PAINT, wParam, lParam);
    if (anything && wParam == 0)
        MarkPaintedRows(edit, record, painted);
    if (painted != nullptr)
        DeleteObject(painted);
    return result;
}

// Compares the marks of the whole view with those drawn: marks are drawn where only some are lacking,
// and rows that show wrong ones are painted again.
void BringMarksUpToDate(HWND edit, MarksRecord& record)
{
    record.timerSet = false;
    KillTimer(edit, MarksTimerId);
    ViewGeometry view;
    if (!GetViewGeometry(edit, view))
        return;
    FollowScrolling(record, view);
    FindMarks(edit, record, view, 0, view.rows);
    int drawFrom = MaxViewRows, drawTo = 0;
    for (int r = 0; r < view.shownRows; r++) {
        DrawnRow& row = record.rows[r];
        uint32_t hash = r < view.rows ? HashOfRow(r) : NoMarks;
        if (row.state == RowShown && row.hash == hash)
            continue;
        if (row.state == RowMayLack || (row.state == RowShown && row.hash == NoMarks)) {
            row = {hash, RowShown};
            if (hash != NoMarks) {
                drawFrom = r < drawFrom ? r : drawFrom;
                drawTo = r + 1;
            }
            continue;
        }
        row.state = RowMayBeStale;
        PaintRowAgain(edit, view, r);
    }
    if (drawFrom < drawTo)
        DrawMarksOnScreen(edit, view, drawFrom, drawTo);
}

// What a message may change, seen before and after the system handles it.
struct EditSnapshot {
    DWORD selectionStart, selectionEnd;
    LRESULT length;
};

// Asked of the system's procedure directly: this runs inside the control's own procedure, around
// every message that may change the text or the selection.
EditSnapshot Snapshot(HWND edit)
{
    EditSnapshot snapshot;
    CallSystemEditProc(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&snapshot.selectionStart),
                       reinterpret_cast<LPARAM>(&snapshot.selectionEnd));
    snapshot.length = CallSystemEditProc(edit, WM_GETTEXTLENGTH, 0, 0);
    return snapshot;
}

bool WatchedMessage(UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_CHAR:
    case WM_IME_CHAR:
    case WM_KEYDOWN:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL:
    case WM_SETTEXT:
    case EM_SETSEL:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
        return true;
    case WM_MOUSEMOVE:
        return (wParam & MK_LBUTTON) != 0;   // selecting with the mouse
    }
    return false;
}

bool Typed(UINT message)
{
    return message == WM_CHAR || message == WM_IME_CHAR;
}

bool TextChanged(UINT message, const EditSnapshot& before, const EditSnapshot& after)
{
    if (message == EM_REPLACESEL || message == WM_PASTE || message == WM_SETTEXT || message == WM_UNDO ||
        message == EM_UNDO)
        return true;
    if (before.length != after.length)
        return true;
    // A selection replaced by as many characters.
    bool replacing = Typed(message) || message == WM_CUT || message == WM_CLEAR;
    return replacing && before.selectionStart != before.selectionEnd && after.selectionStart == after.selectionEnd;
}

int LineOf(HWND edit, DWORD index)
{
    return static_cast<int>(SendMessageW(edit, EM_LINEFROMCHAR, index, 0));
}

// Rows fromLine to toLine (lines of the text) that the view shows get the state; those that may be
// stale are painted again.
void SetRows(HWND edit, MarksRecord& record, const ViewGeometry& view, int fromLine, int toLine, RowState state)
{
    int first = fromLine - view.firstLine, last = toLine - view.firstLine;
    first = first < 0 ? 0 : first;
    last = last >= view.shownRows ? view.shownRows - 1 : last;
    if (first > last)
        return;
    for (int r = first; r <= last; r++)
        if (record.rows[r].state != RowMayBeStale)
            record.rows[r].state = state;
    if (state == RowMayBeStale) {
        RECT rows = RowRect(view, first);
        rows.bottom = RowRect(view, last).bottom;
        InvalidateRect(edit, &rows, TRUE);
    }
}

void AfterWatchedMessage(HWND edit, MarksRecord& record, UINT message, const EditSnapshot& before)
{
    EditSnapshot after = Snapshot(edit);
    ViewGeometry view;
    if (!GetViewGeometry(edit, view))
        return;
    FollowScrolling(record, view);
    int lastRow = view.firstLine + MaxViewRows - 1;
    if (TextChanged(message, before, after)) {
        record.typing = Typed(message);
        if (message == WM_SETTEXT || message == WM_UNDO || message == EM_UNDO) {
            SetRows(edit, record, view, view.firstLine, lastRow, RowMayBeStale);
        } else {
            // The changed lines lose marks that no longer hold; those below may have been drawn over.
            DWORD from = before.selectionStart < after.selectionStart ? before.selectionStart : after.selectionStart;
            DWORD to = after.selectionEnd > from ? after.selectionEnd : from;
            int fromLine = LineOf(edit, from), toLine = LineOf(edit, to);
            SetRows(edit, record, view, fromLine, toLine, RowMayBeStale);
            SetRows(edit, record, view, toLine + 1, lastRow, RowMayLack);
        }
        SetMarksTimer(edit, record);
        return;
    }
    bool selected = before.selectionStart != before.selectionEnd || after.selectionStart != after.selectionEnd;
    bool moved = before.selectionStart != after.selectionStart || before.selectionEnd != after.selectionEnd;
    if (selected && moved) {
        // The control may have drawn the selection over marks.
        DWORD from = before.selectionStart < after.selectionStart ? before.selectionStart : after.selectionStart;
        DWORD to = before.selectionEnd > after.selectionEnd ? before.selectionEnd : after.selectionEnd;
        SetRows(edit, record, view, LineOf(edit, from), LineOf(edit, to), RowMayLack);
        SetMarksTimer(edit, record);
    }
    if (moved && record.typing) {
        // The caret left the word being typed: it is checked now.
        record.typing = false;
        SetMarksTimer(edit, record);
    }
}

// While marks are off: the record goes, and the rows that showed marks are painted without them.
void EraseMarks(HWND edit, MarksRecord& record)
{
    ViewGeometry view;
    if (GetViewGeometry(edit, view)) {
        FollowScrolling(record, view);
        for (int r = 0; r < view.shownRows; r++) {
            const DrawnRow& row = record.rows[r];
            if (row.hash != NoMarks || row.state == RowMayBeStale)
                PaintRowAgain(edit, view, r);
        }
    }
    DetachRecord(edit);
}

void RecheckMarksOf(HWND document)
{
    HWND edit = GetDlgItem(document, DocumentEditId);
    MarksRecord* record = RecordOf(edit);
    if (record == nullptr && SpellingAsYouTypeOn())
        record = AttachRecord(edit);
    if (record != nullptr)
        SetMarksTimer(edit, *record);
}

} // namespace

LRESULT CallWithSpellingMarks(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    MarksRecord* record = RecordOf(edit);
    if (message == WM_TIMER && wParam == MarksTimerId) {
        if (record != nullptr && !SpellingAsYouTypeOn())
            EraseMarks(edit, *record);
        else if (record != nullptr)
            BringMarksUpToDate(edit, *record);
        else
            KillTimer(edit, MarksTimerId);
        return 0;
    }
    if (record == nullptr && SpellingAsYouTypeOn() && message != WM_NCDESTROY)
        record = AttachRecord(edit);
    if (record == nullptr)
        return CallSystemEditProc(edit, message, wParam, lParam);

    switch (message) {
    case WM_PAINT:
        return PaintWithMarks(edit, *record, wParam, lParam);
    case WM_NCDESTROY:
        DetachRecord(edit);
        return CallSystemEditProc(edit, message, wParam, lParam);
    case WM_SETFONT:
    case WM_SIZE: {
        // Rows change height or wrap anew: the whole view is painted, marks and all.
        LRESULT result = CallSystemEditProc(edit, message, wParam, lParam);
        for (DrawnRow& row : record->rows)
            row.state = RowMayBeStale;
        InvalidateRect(edit, nullptr, TRUE);
        return result;
    }
    }
    if (!WatchedMessage(message, wParam))
        return CallSystemEditProc(edit, message, wParam, lParam);
    EditSnapshot before = Snapshot(edit);
    LRESULT result = CallSystemEditProc(edit, message, wParam, lParam);
    AfterWatchedMessage(edit, *record, message, before);
    return result;
}

void RecheckMarksOfAllDocuments()
{
    TryWordListsAgain();
    ForEachDocument(RecheckMarksOf);
}
