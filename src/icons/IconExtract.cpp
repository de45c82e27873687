#include "icons/IconExtract.h"

#include <shellapi.h>

#include <cstring>
#include <vector>

#include "icons/IconLocation.h"

namespace {

void destroyIconHandle(TIcon::Handle h) {
    DestroyIcon(static_cast<HICON>(h));
}

HINSTANCE instance() {
    return GetModuleHandleA(nullptr);
}

// An expanded text holds at most 32767 UTF-16 units, and its UTF-8 form at most three bytes
// a unit.
constexpr DWORD kLongestExpansion = 4 * 32768;

// ExtractIconA answers 1 for a file that is neither an executable nor an icon file.
bool isIcon(HICON h) {
    return h != nullptr && reinterpret_cast<UINT_PTR>(h) != 1;
}

}  // namespace

std::string ExpandEnvironment(const std::string& text) {
    // The size the call reports may count UTF-16 units, and a buffer of that many bytes then
    // takes the UTF-8 form cut short, without any failure. The room is three bytes a unit, and
    // more while the expanded text fills it to the last byte.
    const DWORD needed = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (needed == 0) return text;
    for (DWORD room = 3 * needed + 2; room <= kLongestExpansion; room *= 2) {
        std::vector<char> buffer(room, '\0');
        const DWORD written = ExpandEnvironmentStringsA(text.c_str(), buffer.data(), room);
        if (written == 0) return text;
        const size_t length = strnlen(buffer.data(), room);
        if (written <= room && length + 1 < room) return std::string(buffer.data(), length);
    }
    return text;
}

std::string ExtractionPath(const std::string& file) {
    const std::string unquoted = UnquotePath(file);
    if (unquoted.find('%') == std::string::npos) return unquoted;
    return ExpandEnvironment(unquoted);
}

TIcon ExtractIconFrom(const std::string& file, std::int32_t index, int size) {
    return ExtractIconAt(ExtractionPath(file), index, size);
}

TIcon ExtractIconAt(const std::string& path, std::int32_t index, int size) {
    if (index == kNoIconIndex) return {};
    // The extraction that ExtractIconA does at the system's icon size, at the size asked for;
    // a file that is no icon file answers all ones, as ExtractIconA's 1.
    HICON icon = nullptr;
    const UINT got =
        PrivateExtractIconsA(path.c_str(), index, size, size, &icon, nullptr, 1, LR_DEFAULTCOLOR);
    if (got == static_cast<UINT>(-1) || got == 0) return IconFromShellResult(nullptr);
    return IconFromShellResult(icon);
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

void ShellIconSource::SetSize(int size) {
    size_ = size;
    fallback_.reset();
    fallbackExtracted_ = false;
}

TIcon ShellIconSource::Fallback() {
    if (!fallbackExtracted_) {
        fallback_ = ExtractIconAt(OwnExecutablePath(), kFallbackIconIndex, size_);
        fallbackExtracted_ = true;
    }
    return TIcon::Shared(fallback_.get());
}
