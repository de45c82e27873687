#pragma once
// The icon object: owns at most one icon handle. Giving it a new icon releases the one it
// held; destroying it releases its handle; an empty object draws nothing. A shared icon object
// shows a handle that another owner keeps for the whole run (the one fallback icon of the
// program) and releases nothing.
//
// The handle is kept opaque (an HICON on Windows) together with the function that releases
// it, so the catalogue that owns icon objects builds and is tested without windows.h.

#include <utility>

class TIcon {
public:
    using Handle = void*;
    using Release = void (*)(Handle);

    TIcon() = default;
    TIcon(Handle handle, Release release) : handle_(handle), release_(handle ? release : nullptr) {}
    // Shows handle, which its owner keeps alive longer than this object, without owning it.
    static TIcon Shared(Handle handle) { return TIcon(handle, nullptr); }
    TIcon(const TIcon&) = delete;
    TIcon& operator=(const TIcon&) = delete;
    TIcon(TIcon&& o) noexcept
        : handle_(std::exchange(o.handle_, nullptr)),
          release_(std::exchange(o.release_, nullptr)) {}
    TIcon& operator=(TIcon&& o) noexcept {
        if (this != &o) {
            reset();
            handle_ = std::exchange(o.handle_, nullptr);
            release_ = std::exchange(o.release_, nullptr);
        }
        return *this;
    }
    ~TIcon() { reset(); }

    void reset() {
        if (handle_ && release_) release_(handle_);
        handle_ = nullptr;
        release_ = nullptr;
    }
    Handle get() const { return handle_; }
    bool empty() const { return handle_ == nullptr; }

private:
    Handle handle_ = nullptr;
    Release release_ = nullptr;
};
