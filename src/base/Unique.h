#pragma once
// One move-only owner for every kind of Win32 handle (HKEY, HICON, HDC, GDI objects).
// The release function is part of the type, so an error raised half-way through an
// operation still releases what was opened. Never wrap a predefined registry root.

#include <utility>

template <class H, auto Close, H Empty = H{}>
class Unique {
public:
    Unique() = default;
    explicit Unique(H h) : h_(h) {}
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& o) noexcept : h_(std::exchange(o.h_, Empty)) {}
    Unique& operator=(Unique&& o) noexcept {
        reset(std::exchange(o.h_, Empty));
        return *this;
    }
    ~Unique() { reset(); }

    void reset(H h = Empty) {
        if (h_ != Empty) Close(h_);
        h_ = h;
    }
    // For out-parameters: RegOpenKeyExA(..., key.put()).
    H* put() {
        reset();
        return &h_;
    }
    H get() const { return h_; }
    H release() { return std::exchange(h_, Empty); }
    explicit operator bool() const { return h_ != Empty; }

private:
    H h_ = Empty;
};
