#include "message_log.h"

#include "message_boxes.h"

namespace {

MessageLog* ActiveLog = nullptr;

} // namespace

std::string Utf8Of(const wchar_t* text)
{
    if (text == nullptr)
        return "";
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(size > 0 ? size - 1 : 0, '\0');
    if (size > 1)
        WideCharToMultiByte(CP_UTF8, 0, text, -1, &utf8[0], size, nullptr, nullptr);
    return utf8;
}

std::wstring WideOf(const std::string& utf8)
{
    int size = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    std::wstring wide(size > 0 ? size - 1 : 0, L'\0');
    if (size > 1)
        MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &wide[0], size);
    return wide;
}

MessageLog::MessageLog()
{
    ActiveLog = this;
    SetMessageBoxForTesting(Record);
}

MessageLog::~MessageLog()
{
    SetMessageBoxForTesting(nullptr);
    ActiveLog = nullptr;
}

void MessageLog::Answer(const std::string& caption, std::vector<int> answers)
{
    captionAnswers_.emplace_back(caption, std::deque<int>(answers.begin(), answers.end()));
}

void MessageLog::AnswerNext(std::vector<int> answers)
{
    nextAnswers_.insert(nextAnswers_.end(), answers.begin(), answers.end());
}

std::vector<std::string> MessageLog::Texts() const
{
    std::vector<std::string> texts;
    for (const ShownMessage& m : shown_)
        texts.push_back(m.text);
    return texts;
}

int MessageLog::Record(HWND owner, const wchar_t* text, const wchar_t* caption, UINT style)
{
    MessageLog& log = *ActiveLog;
    std::string captionText = Utf8Of(caption);
    log.shown_.push_back({owner, Utf8Of(text), captionText, style});
    for (auto& answers : log.captionAnswers_) {
        if (answers.first == captionText && !answers.second.empty()) {
            int given = answers.second.front();
            answers.second.pop_front();
            return given;
        }
    }
    if (log.nextAnswers_.empty())
        return IDOK;
    int given = log.nextAnswers_.front();
    log.nextAnswers_.pop_front();
    return given;
}
