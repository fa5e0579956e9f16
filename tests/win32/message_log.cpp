#include "message_log.h"

#include "spellcheck_hooks.h"

namespace {

MessageLog* ActiveLog = nullptr;

} // namespace

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

int MessageLog::Record(HWND owner, const char* text, const char* caption, UINT style)
{
    MessageLog& log = *ActiveLog;
    std::string captionText = caption != nullptr ? caption : "";
    log.shown_.push_back({owner, text != nullptr ? text : "", captionText, style});
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
