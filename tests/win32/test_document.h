// A plain window with a multi-line edit control, id 101, standing in for a document window: like the
// editor's, it wraps long lines and holds Unicode text (given and read as UTF-8).
#pragma once
#include <windows.h>

#include <string>

#include "not_copyable.h"

class TestDocument : NotCopyable {
public:
    // The window belongs to module (by default this program, which holds the dialog templates).
    explicit TestDocument(const std::string& text, HINSTANCE module = nullptr);
    ~TestDocument();

    HWND Window() const { return window_; }
    std::string Text() const;
    void Select(int start, int end);

private:
    HWND window_;
    HWND edit_;
};

const int TestEditId = 101;
