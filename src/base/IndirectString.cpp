#include "base/IndirectString.h"

#include <windows.h>
#include <shlwapi.h>

#include "base/AnsiText.h"

std::optional<std::string> LoadIndirectString(const std::string& text) {
    if (text.empty() || text[0] != '@') return text;
    // Wide, so that a text of any script comes whole.
    wchar_t loaded[2048] = {};
    if (FAILED(
            SHLoadIndirectString(WideFromAnsi(text).c_str(), loaded, ARRAYSIZE(loaded), nullptr)))
        return std::nullopt;
    return AnsiFromWide(loaded);
}
