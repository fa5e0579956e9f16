#include "document_text.h"

#include "text_lines.h"

void StartNewDocumentFile(DocumentFile& file)
{
    file.path[0] = L'\0';
    file.encoding = EncodingUtf8;
    file.lineEnds = LineEndsCrLf;
}

int DocumentTextLength(HWND edit)
{
    return GetWindowTextLengthW(edit);
}

DocumentTextCopy::DocumentTextCopy(HWND edit, int count) : length_(DocumentTextLength(edit)), text_(nullptr)
{
    if (count < length_)
        length_ = count;
    text_ = static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, (static_cast<SIZE_T>(length_) + 1) * sizeof(wchar_t)));
    if (text_ == nullptr)
        return;
    text_[0] = L'\0';
    length_ = GetWindowTextW(edit, text_, length_ + 1);
}

DocumentTextCopy::~DocumentTextCopy()
{
    if (text_ != nullptr)
        HeapFree(GetProcessHeap(), 0, text_);
}

DocumentTextView::DocumentTextView(HWND edit, SendFunction send)
    : length_(static_cast<int>(send(edit, WM_GETTEXTLENGTH, 0, 0))), text_(nullptr),
      handle_(reinterpret_cast<HLOCAL>(send(edit, EM_GETHANDLE, 0, 0))), copy_(nullptr)
{
    if (handle_ != nullptr) {
        text_ = static_cast<const wchar_t*>(LocalLock(handle_));
        if (text_ != nullptr && LocalSize(handle_) >= (static_cast<SIZE_T>(length_) + 1) * sizeof(wchar_t))
            return;
        if (text_ != nullptr)
            LocalUnlock(handle_);
        text_ = nullptr;
        handle_ = nullptr;
    }
    copy_ = static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, (static_cast<SIZE_T>(length_) + 1) * sizeof(wchar_t)));
    if (copy_ == nullptr)
        return;
    copy_[0] = L'\0';
    length_ = static_cast<int>(send(edit, WM_GETTEXT, static_cast<WPARAM>(length_) + 1, reinterpret_cast<LPARAM>(copy_)));
    text_ = copy_;
}

DocumentTextView::~DocumentTextView()
{
    if (handle_ != nullptr)
        LocalUnlock(handle_);
    if (copy_ != nullptr)
        HeapFree(GetProcessHeap(), 0, copy_);
}

void GetDocumentSelection(HWND edit, int& start, int& end)
{
    DWORD first = 0, last = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    start = static_cast<int>(first);
    end = static_cast<int>(last);
}

void SelectDocumentSpan(HWND edit, int start, int end)
{
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

void ReplaceDocumentSpan(HWND edit, int start, int end, const wchar_t* text, bool undoable)
{
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    SendMessageW(edit, EM_REPLACESEL, undoable ? TRUE : FALSE, reinterpret_cast<LPARAM>(text));
}

bool PutReplacedSpan(HWND edit, const wchar_t* text, int length, const ReplacedSpan& span, const Replacing& replacing,
                     bool undoable)
{
    wchar_t* newText =
        static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, ReplacedSpanCharacters(span) * sizeof(wchar_t)));
    if (newText == nullptr)
        return false;
    WriteReplacedSpan(text, length, span, replacing, newText);
    ReplaceDocumentSpan(edit, span.start, span.end, newText, undoable);
    HeapFree(GetProcessHeap(), 0, newText);
    return true;
}

void LineAndColumnOfIndex(HWND edit, int index, int& line, int& column)
{
    line = 1;
    column = 1;
    // Only the text before the index decides its line and column; it is read where it stands, as the
    // caret's place is shown after every keystroke.
    DocumentTextView text(edit);
    if (text.IsValid())
        LineAndColumnAt(text.Text(), index < text.Length() ? index : text.Length(), line, column);
}
