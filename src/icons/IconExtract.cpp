#include "icons/IconExtract.h"

#include <shellapi.h>

#include <vector>

#include "icons/IconLocation.h"

namespace {

void destroyIconHandle(TIcon::Handle h) {
    DestroyIcon(static_cast<HICON>(h));
}

HINSTANCE instance() {
    return GetModuleHandleA(nullptr);
}

// ExtractIconA answers 1 for a file that is neither an executable nor an icon file.
bool isIcon(HICON h) {
    return h != nullptr && reinterpret_cast<UINT_PTR>(h) != 1;
}

}  // namespace

std::string ExtractionPath(const std::string& file) {
    const std::string unquoted = UnquotePath(file);
    if (unquoted.find('%') == std::string::npos) return unquoted;
    const DWORD needed = ExpandEnvironmentStringsA(unquoted.c_str(), nullptr, 0);
    if (needed == 0) return unquoted;
    std::vector<char> buffer(needed + 1);
    const DWORD written = ExpandEnvironmentStringsA(unquoted.c_str(), buffer.data(),
                                                    static_cast<DWORD>(buffer.size()));
    if (written == 0 || written > buffer.size()) return unquoted;
    return std::string(buffer.data());
}

TIcon ExtractIconFrom(const std::string& file, std::int32_t index) {
    return ExtractIconAt(ExtractionPath(file), index);
}

TIcon ExtractIconAt(const std::string& path, std::int32_t index) {
    if (index == kNoIconIndex) return {};
    return IconFromShellResult(ExtractIconA(instance(), path.c_str(), static_cast<UINT>(index)));
}

TIcon IconFromShellResult(HICON result) {
    if (!isIcon(result)) return {};
    return TIcon(result, destroyIconHandle);
}

unsigned CountIcons(const std::string& file) {
    return CountIconsAt(ExtractionPath(file));
}

unsigned CountIconsAt(const std::string& path) {
    HICON count = ExtractIconA(instance(), path.c_str(), static_cast<UINT>(-1));
    return static_cast<unsigned>(reinterpret_cast<UINT_PTR>(count));
}

std::string OwnExecutablePath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD n =
            GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 2);
    }
}
