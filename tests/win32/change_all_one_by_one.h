// Change All as it was made before it became one change of the text: every occurrence replaced on its
// own, the document's text read again after each. Kept as the reference for the one-pass Change All.
#pragma once
#include <windows.h>
#include <cstdint>

// Same arguments as ChangeAllInDocument, with one mark; gives where the mark moved to.
int32_t ChangeAllOneByOne(HWND edit, const char* word, const wchar_t* replacement, int32_t mark);
