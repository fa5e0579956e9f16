#pragma once
#include <windows.h>
#include <cstdint>

// 0-based column, within its line, at which the selection of edit control editId begins.
int32_t CaretColumn(HWND window, int editId);
