#include "explorer/ShellLookupSource.h"

#include <windows.h>
#include <shellapi.h>

#include "base/AnsiText.h"
#include "base/IndirectString.h"
#include "base/Unique.h"
#include "icons/IconExtract.h"
#include "registry/TRegistry.h"

namespace {

using UniqueModule = Unique<HMODULE, FreeLibrary>;

HKEY rootOf(explorer::Hive hive) {
    return hive == explorer::Hive::User ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

// Icon resources of a module read as data: nothing of it runs.
UniqueModule iconModule(const std::string& file) {
    return UniqueModule(LoadLibraryExA(file.c_str(), nullptr,
                                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
}

// A negative icon index names the icon resource whose id is its absolute value.
LPCSTR resourceOf(std::int32_t index) {
    const std::int64_t id = -static_cast<std::int64_t>(index);
    return id > 0 && id <= 0xFFFF ? MAKEINTRESOURCEA(static_cast<WORD>(id)) : nullptr;
}

void destroyIconHandle(TIcon::Handle h) {
    DestroyIcon(static_cast<HICON>(h));
}

}  // namespace

std::optional<std::string> ShellLookupSource::ReadText(explorer::Hive hive, const std::string& path,
                                                       const std::string& valueName) {
    TRegistry registry;
    registry.SetRoot(rootOf(hive));
    if (!registry.SelectKey(path, false) || !registry.ValuePresent(valueName)) return std::nullopt;
    try {
        return registry.ReadValueText(valueName);
    } catch (const ERegistryException&) {
        return std::nullopt;  // a value that is no text names nothing the shell reads
    }
}

bool ShellLookupSource::KeyExists(explorer::Hive hive, const std::string& path) {
    TRegistry registry;
    registry.SetRoot(rootOf(hive));
    return registry.KeyPresent(path);
}

std::string ShellLookupSource::Expand(const std::string& text) {
    return ExpandEnvironment(text);
}

std::optional<std::string> ShellLookupSource::LoadIndirect(const std::string& text) {
    return LoadIndirectString(text);
}

explorer::IconProbe ShellLookupSource::ProbeIcon(const std::string& file, std::int32_t index) {
    explorer::IconProbe probe;
    probe.fileExists = !file.empty() && GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (!probe.fileExists) return probe;
    probe.iconCount = CountIconsAt(file);
    if (index >= 0) {
        probe.holdsIcon = static_cast<unsigned>(index) < probe.iconCount;
    } else {
        const UniqueModule module = iconModule(file);
        probe.holdsIcon = module && resourceOf(index) &&
                          FindResourceA(module.get(), resourceOf(index), RT_GROUP_ICON);
    }
    return probe;
}

// Wide, so that a type name of any script comes whole (the ANSI answer has room for 80 bytes).
std::string ShellLookupSource::ShellTypeName(const std::string& extension) {
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(WideFromAnsi(extension).c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                        SHGFI_USEFILEATTRIBUTES | SHGFI_TYPENAME))
        return {};
    return AnsiFromWide(info.szTypeName);
}

std::vector<std::string> ShellLookupSource::ListSubkeys(explorer::Hive hive,
                                                        const std::string& path) {
    TRegistry registry;
    registry.SetRoot(rootOf(hive));
    std::vector<std::string> names;
    if (registry.SelectKey(path, false)) registry.ListSubkeys(names);
    return names;
}

TIcon IconOfLocation(const std::string& file, std::int32_t index, int size) {
    if (index >= 0) return ExtractIconAt(file, index, size);
    const UniqueModule module = iconModule(file);
    if (!module || !resourceOf(index)) return {};
    const HANDLE icon =
        LoadImageA(module.get(), resourceOf(index), IMAGE_ICON, size, size, LR_DEFAULTCOLOR);
    return icon ? TIcon(icon, destroyIconHandle) : TIcon();
}

TIcon ShellIconOf(const std::string& extension, int size) {
    SHFILEINFOW info{};
    // The shell hands out its icons at the system's size. At another size (a window on a
    // screen of another scale) the icon comes from the file the shell names, at that size;
    // the shell's own image only where it names none (an icon handler's picture).
    if (size != GetSystemMetrics(SM_CXICON) &&
        SHGetFileInfoW(WideFromAnsi(extension).c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                       SHGFI_USEFILEATTRIBUTES | SHGFI_ICONLOCATION) &&
        info.szDisplayName[0]) {
        TIcon own =
            IconOfLocation(ExtractionPath(AnsiFromWide(info.szDisplayName)), info.iIcon, size);
        if (!own.empty()) return own;
    }
    info = {};
    if (!SHGetFileInfoW(WideFromAnsi(extension).c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                        SHGFI_USEFILEATTRIBUTES | SHGFI_ICON | SHGFI_LARGEICON) ||
        !info.hIcon)
        return {};
    return TIcon(info.hIcon, destroyIconHandle);
}
