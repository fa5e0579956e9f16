// Message boxes of the code under test, recorded and answered instead of shown: every test program's
// one way to see them. Answering goes through the ShowMessageBox seam while a log exists.
#pragma once
#include <windows.h>

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "not_copyable.h"

// Texts shown in wide characters, as the tests compare them: UTF-8.
std::string Utf8Of(const wchar_t* text);
std::wstring WideOf(const std::string& utf8);

struct ShownMessage {
    HWND owner;
    std::string text;
    std::string caption;
    UINT style;
};

class MessageLog : NotCopyable {
public:
    MessageLog();
    ~MessageLog();

    // Answers for the next boxes with this caption, in order.
    void Answer(const std::string& caption, std::vector<int> answers);
    // Answers for the next boxes of any caption without answers of their own, in order. A box without
    // any answer gets IDOK.
    void AnswerNext(std::vector<int> answers);

    const std::vector<ShownMessage>& Shown() const { return shown_; }
    // Texts of the messages shown, in order.
    std::vector<std::string> Texts() const;
    void Clear() { shown_.clear(); }

private:
    static int Record(HWND owner, const wchar_t* text, const wchar_t* caption, UINT style);

    std::vector<ShownMessage> shown_;
    std::vector<std::pair<std::string, std::deque<int>>> captionAnswers_;
    std::deque<int> nextAnswers_;
};
