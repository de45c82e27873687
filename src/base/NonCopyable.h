#pragma once
// A base for guards that put something back when they go: a copy would put it back twice,
// so a guard is never copied or assigned.

class NonCopyable {
public:
    NonCopyable(const NonCopyable&) = delete;
    NonCopyable& operator=(const NonCopyable&) = delete;

protected:
    NonCopyable() = default;
    ~NonCopyable() = default;
};
