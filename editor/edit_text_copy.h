// A terminated copy of an edit control's whole text (or of its beginning), released at scope end.
#pragma once
#include <windows.h>

#include <climits>

#include "handle_holders.h"

class EditTextCopy {
public:
    // At most the first `count` characters.
    explicit EditTextCopy(HWND edit, int count = INT_MAX)
        : length_(Smaller(GetWindowTextLengthA(edit), count)), memory_(static_cast<SIZE_T>(length_) + 1)
    {
        if (memory_.IsValid())
            length_ = GetWindowTextA(edit, memory_.Text(), length_ + 1);
    }
    EditTextCopy(const EditTextCopy&) = delete;
    EditTextCopy& operator=(const EditTextCopy&) = delete;

    bool IsValid() const { return memory_.IsValid(); }   // false when no memory could be had
    const char* Text() const { return memory_.Text(); }
    int Length() const { return length_; }

private:
    static int Smaller(int a, int b) { return a < b ? a : b; }

    int length_;
    GlobalMemoryHolder memory_;
};
