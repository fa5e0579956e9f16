#include "caret_column.h"

int32_t CaretColumn(HWND window, int editId)
{
    DWORD start = 0, end = 0;
    SendDlgItemMessageA(window, editId, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                        reinterpret_cast<LPARAM>(&end));
    LRESULT line = SendDlgItemMessageA(window, editId, EM_LINEFROMCHAR, start, 0);
    LRESULT lineStart = SendDlgItemMessageA(window, editId, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
    return static_cast<int32_t>(start) - static_cast<int32_t>(lineStart);
}
