#include "ui/system/Clipboard.h"

#include <cstring>

#include "base/AnsiText.h"
#include "base/Exception.h"
#include "base/NonCopyable.h"
#include "base/Unique.h"

namespace {

using UniqueGlobal = Unique<HGLOBAL, GlobalFree>;

// The clipboard, open for this program while the guard lives.
class OpenClipboardGuard : NonCopyable {
public:
    explicit OpenClipboardGuard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenClipboardGuard() {
        if (open_) CloseClipboard();
    }
    explicit operator bool() const { return open_; }

private:
    bool open_;
};

}  // namespace

void CopyTextToClipboard(HWND owner, const std::string& text) {
    const std::wstring wide = WideFromAnsi(text);
    const size_t bytes = sizeof(wchar_t) * (wide.size() + 1);
    UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    void* locked = memory ? GlobalLock(memory.get()) : nullptr;
    if (!locked) throw Exception("Not enough memory to copy the name");
    memcpy(locked, wide.c_str(), bytes);
    GlobalUnlock(memory.get());
    const OpenClipboardGuard clipboard(owner);
    if (!clipboard) throw Exception("The clipboard is in use by another program");
    EmptyClipboard();
    // The clipboard owns the memory once it took it.
    if (SetClipboardData(CF_UNICODETEXT, memory.get())) memory.release();
}
