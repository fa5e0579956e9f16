#include "document_lines.h"

namespace {

LRESULT SendToEdit(HWND window, int editId, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendDlgItemMessageA(window, editId, message, wParam, lParam);
}

void ReadLine(HWND window, int editId, int32_t number, DocumentLine& line)
{
    line.number = number;
    line.firstChar = UnknownLineStart;
    // EM_GETLINE takes the buffer's capacity in its first 16-bit word.
    *reinterpret_cast<WORD*>(line.text) = static_cast<WORD>(LineCapacity);
    LRESULT got = SendToEdit(window, editId, EM_GETLINE, static_cast<WPARAM>(number),
                             reinterpret_cast<LPARAM>(line.text));
    int32_t n = static_cast<int32_t>(got);
    if (n < 0 || n > LineCapacity)
        n = 0;
    line.text[n] = 0;
    line.length = n;
}

} // namespace

int32_t ReadLineAt(HWND window, int editId, int32_t charIndex, DocumentLine& line)
{
    LRESULT number = SendToEdit(window, editId, EM_LINEFROMCHAR, static_cast<WPARAM>(charIndex), 0);
    ReadLine(window, editId, static_cast<int32_t>(number), line);
    return charIndex - LineStart(window, editId, line);
}

void ReadSelectionLine(HWND window, int editId, DocumentLine& line, int32_t& selectionStart, int32_t& selectionEnd)
{
    DWORD start = 0, end = 0;
    SendToEdit(window, editId, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    selectionStart = static_cast<int32_t>(start);
    selectionEnd = static_cast<int32_t>(end);
    ReadLineAt(window, editId, selectionStart, line);
}

bool ReadNextLine(HWND window, int editId, DocumentLine& line)
{
    // The count is read afresh: a replacement may have added or removed lines.
    int32_t count = static_cast<int32_t>(SendToEdit(window, editId, EM_GETLINECOUNT, 0, 0));
    if (line.number + 1 >= count)
        return false;
    ReadLine(window, editId, line.number + 1, line);
    return true;
}

int32_t LineStart(HWND window, int editId, DocumentLine& line)
{
    if (line.firstChar == UnknownLineStart)
        line.firstChar = static_cast<int32_t>(
            SendToEdit(window, editId, EM_LINEINDEX, static_cast<WPARAM>(line.number), 0));
    return line.firstChar;
}

void SelectDocumentText(HWND window, int editId, int32_t charIndex, int32_t length)
{
    WPARAM start = static_cast<WPARAM>(charIndex);
    SendToEdit(window, editId, EM_SETSEL, start, static_cast<LPARAM>(start + length));
    SendToEdit(window, editId, EM_SCROLLCARET, 0, 0);
}

void ReplaceSelection(HWND window, int editId, const char* text)
{
    SendToEdit(window, editId, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}
