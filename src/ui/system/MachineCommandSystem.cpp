#include "ui/system/MachineCommandSystem.h"

#include <windows.h>

#include <vector>

#include "base/AnsiText.h"
#include "icons/IconExtract.h"
#include "registry/TRegistry.h"

namespace {

constexpr const char* kAppPaths = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

// Wide, so that a folder of any script on the way comes whole.
std::optional<std::string> searchFolders(const std::string& name) {
    const std::wstring wide = WideFromAnsi(name);
    std::vector<wchar_t> found(MAX_PATH, L'\0');
    for (int tries = 0; tries < 2; ++tries) {
        const DWORD length = SearchPathW(nullptr, wide.c_str(), L".exe",
                                         static_cast<DWORD>(found.size()), found.data(), nullptr);
        if (length == 0) return std::nullopt;
        if (length < found.size()) return AnsiFromWide(std::wstring(found.data(), length));
        found.assign(length + 1, L'\0');
    }
    return std::nullopt;
}

}  // namespace

std::string MachineCommandSystem::Expand(const std::string& text) {
    return ExpandEnvironment(text);
}

bool MachineCommandSystem::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(WideFromAnsi(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> MachineCommandSystem::Search(const std::string& name) {
    if (std::optional<std::string> found = searchFolders(name)) return found;
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        TRegistry reg;
        reg.SetRoot(root);
        if (!reg.SelectKey(std::string(kAppPaths) + name, false)) continue;
        const DWORD type = reg.ValueType("");
        if (type != REG_SZ && type != REG_EXPAND_SZ) continue;
        // The value may be quoted, and may name a variable: "%ProgramFiles%\App\app.exe".
        const std::string program = ExtractionPath(reg.ReadValueText(""));
        if (!program.empty() && FileExists(program)) return program;
    }
    return std::nullopt;
}
