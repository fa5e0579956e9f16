#include "caret_position.h"

#include <strsafe.h>

#include "document_text.h"
#include "documents.h"
#include "shell_state.h"
#include "status_bar.h"
#include "texts.h"

int CaretIndex(HWND edit)
{
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    POINT caret;
    if (start == end || GetFocus() != edit || !GetCaretPos(&caret))
        return static_cast<int>(end);
    LRESULT startPoint = SendMessageW(edit, EM_POSFROMCHAR, start, 0);
    bool caretAtStart = static_cast<short>(LOWORD(startPoint)) == caret.x &&
                        static_cast<short>(HIWORD(startPoint)) == caret.y;
    return static_cast<int>(caretAtStart ? start : end);
}

void CaretMayHaveMoved()
{
    if (hMainWindow == nullptr)
        return;
    MSG queued;
    if (!PeekMessageW(&queued, hMainWindow, ShowCaretPositionMessage, ShowCaretPositionMessage, PM_NOREMOVE))
        PostMessageW(hMainWindow, ShowCaretPositionMessage, 0, 0);
}

namespace {

const wchar_t* EncodingName(TextEncoding encoding)
{
    switch (encoding) {
    case EncodingAnsi: return WIDE(TEXT_ENCODING_ANSI);
    case EncodingUtf8Bom: return WIDE(TEXT_ENCODING_UTF8_BOM);
    case EncodingUtf16Le: return WIDE(TEXT_ENCODING_UTF16_LE);
    case EncodingUtf16Be: return WIDE(TEXT_ENCODING_UTF16_BE);
    case EncodingUtf8: break;
    }
    return WIDE(TEXT_ENCODING_UTF8);
}

const wchar_t* LineEndsName(LineEnds ends)
{
    switch (ends) {
    case LineEndsLf: return WIDE(TEXT_LINE_ENDS_LF);
    case LineEndsCr: return WIDE(TEXT_LINE_ENDS_CR);
    case LineEndsMixed: return WIDE(TEXT_LINE_ENDS_MIXED);
    case LineEndsCrLf: break;
    }
    return WIDE(TEXT_LINE_ENDS_CRLF);
}

} // namespace

void ShowCaretPosition()
{
    HWND document = ActiveDocument();
    HWND edit = document != nullptr ? GetDlgItem(document, DocumentEditId) : nullptr;
    if (edit == nullptr) {
        SetStatusPart(StatusPositionPart, L"");
        SetStatusPart(StatusLineEndsPart, L"");
        SetStatusPart(StatusEncodingPart, L"");
        return;
    }
    int line = 0, column = 0;
    LineAndColumnOfIndex(edit, CaretIndex(edit), line, column);
    const int positionSize = sizeof(TEXT_STATUS_POSITION) + 24;
    wchar_t position[positionSize];
    StringCchPrintfW(position, positionSize, WIDE(TEXT_STATUS_POSITION), line, column);
    SetStatusPart(StatusPositionPart, position);
    const DocumentFile& file = FileOfDocument(document);
    SetStatusPart(StatusLineEndsPart, LineEndsName(file.lineEnds));
    SetStatusPart(StatusEncodingPart, EncodingName(file.encoding));
}
