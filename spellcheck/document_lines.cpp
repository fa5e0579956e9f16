#include "document_lines.h"

int32_t ReadDocumentLine(HWND window, int editId, int32_t lineNumber, char* line)
{
    // EM_GETLINE takes the buffer's capacity in its first 16-bit word.
    *reinterpret_cast<WORD*>(line) = static_cast<WORD>(LineCapacity);
    LRESULT got = SendDlgItemMessageA(window, editId, EM_GETLINE, static_cast<WPARAM>(lineNumber),
                                      reinterpret_cast<LPARAM>(line));
    int32_t n = static_cast<int32_t>(got);
    if (n < 0 || n > LineCapacity)
        n = 0;
    line[n] = 0;
    return n;
}

void SelectLineText(HWND window, int editId, int32_t lineNumber, int32_t position, int32_t length)
{
    LRESULT index = SendDlgItemMessageA(window, editId, EM_LINEINDEX, static_cast<WPARAM>(lineNumber), 0);
    WPARAM start = static_cast<WPARAM>(index + position - 1);
    SendDlgItemMessageA(window, editId, EM_SETSEL, start, static_cast<LPARAM>(start + length));
    SendDlgItemMessageA(window, editId, EM_SCROLLCARET, 0, 0);
}

void ReplaceSelection(HWND window, int editId, const char* text)
{
    SendDlgItemMessageA(window, editId, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}
