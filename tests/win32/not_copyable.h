// Base of the harness classes that own a hook, a seam or a window: a copy would release it twice.
#pragma once

class NotCopyable {
protected:
    NotCopyable() = default;
    ~NotCopyable() = default;

public:
    NotCopyable(const NotCopyable&) = delete;
    NotCopyable& operator=(const NotCopyable&) = delete;
};
