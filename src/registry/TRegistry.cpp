#include "registry/TRegistry.h"

#include "base/RegistryText.h"
#include "registry/KeyTree.h"

using keytree::Raise;

TRegistry::TemporaryKey::TemporaryKey(TRegistry& registry, HKEY key)
    : registry_(registry), saved_(std::move(registry.active_)) {
    registry_.active_ = UniqueKey(key);
}

TRegistry::TemporaryKey::~TemporaryKey() {
    // The borrowed key goes back to its owner unclosed; the saved one becomes current again.
    registry_.active_.release();
    registry_.active_ = std::move(saved_);
}

TRegistry::ResolvedPath TRegistry::resolve(const std::string& path) const {
    if (!path.empty() && path[0] == '\\') return {root_, path.substr(1)};
    return {currentKey(), path};
}

void TRegistry::SetRoot(HKEY root) {
    if (root == root_) return;
    active_.reset();
    root_ = root;
}

bool TRegistry::SelectKey(const std::string& path, bool create) {
    const ResolvedPath at = resolve(path);
    UniqueKey key = !create || at.path.empty() ? keytree::OpenKey(at.base, at.path)
                                               : keytree::CreateKey(at.base, at.path);
    if (!key) return false;
    active_ = std::move(key);
    return true;
}

void TRegistry::CloseActive() {
    active_.reset();
}

bool TRegistry::MakeKey(const std::string& path) {
    const ResolvedPath at = resolve(path);
    if (!keytree::CreateKey(at.base, at.path)) Raise(keytree::kCreateFailed, path);
    return true;
}

UniqueKey TRegistry::OpenHandle(const std::string& path) const {
    const ResolvedPath at = resolve(path);
    return keytree::OpenKey(at.base, at.path);
}

bool TRegistry::KeyPresent(const std::string& path) const {
    return static_cast<bool>(OpenHandle(path));
}

bool TRegistry::ValuePresent(const std::string& valueName) const {
    DWORD type = 0;
    DWORD size = 0;
    return RegQueryValueExA(currentKey(), valueName.c_str(), nullptr, &type, nullptr, &size) ==
           ERROR_SUCCESS;
}

std::string TRegistry::ReadValueText(const std::string& valueName) const {
    return keytree::ReadText(currentKey(), valueName).text;
}

DWORD TRegistry::ValueType(const std::string& valueName) const {
    DWORD type = REG_NONE;
    if (RegQueryValueExA(currentKey(), valueName.c_str(), nullptr, &type, nullptr, nullptr) !=
        ERROR_SUCCESS)
        return REG_NONE;
    return type;
}

void TRegistry::WriteValueText(const std::string& valueName, const std::string& text) {
    DWORD stored = REG_NONE;
    const bool present = RegQueryValueExA(currentKey(), valueName.c_str(), nullptr, &stored,
                                          nullptr, nullptr) == ERROR_SUCCESS;
    const bool expandable =
        WritesExpandable(present ? std::optional<std::uint32_t>(stored) : std::nullopt, text);
    if (RegSetValueExA(currentKey(), valueName.c_str(), 0, expandable ? REG_EXPAND_SZ : REG_SZ,
                       reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1)) != ERROR_SUCCESS)
        Raise(keytree::kSetFailed, valueName);
}

bool TRegistry::DeleteValue(const std::string& valueName) {
    const LSTATUS r = RegDeleteValueA(currentKey(), valueName.c_str());
    if (r == ERROR_FILE_NOT_FOUND) return false;
    if (r != ERROR_SUCCESS) Raise(keytree::kDeleteValueFailed, valueName);
    return true;
}

void TRegistry::ListSubkeys(std::vector<std::string>& list) const {
    list = keytree::SubkeyNames(currentKey());
}

bool TRegistry::RemoveKeyTree(const std::string& path) {
    // The empty path is the base key itself: with HKEY_CLASSES_ROOT current, following it would
    // empty the whole root before the system refused to delete the root.
    if (resolve(path).path.empty()) return false;
    if (UniqueKey key = OpenHandle(path)) {
        const TemporaryKey current(*this, key.get());
        for (const std::string& name : keytree::SubkeyNames(key.get())) RemoveKeyTree(name);
    }
    const ResolvedPath at = resolve(path);
    return RegDeleteKeyA(at.base, at.path.c_str()) == ERROR_SUCCESS;
}

void TRegistry::RelocateKey(const std::string& oldPath, const std::string& newPath) {
    // Copying a key into itself would copy without end, and deleting the old key afterwards
    // would take the copy with it.
    if (keytree::PathWithin(newPath, oldPath)) return;
    if (!KeyPresent(oldPath) || KeyPresent(newPath)) return;
    UniqueKey source = OpenHandle(oldPath);
    if (!source) return;
    MakeKey(newPath);
    UniqueKey target = OpenHandle(newPath);
    if (!target) return;
    // Everything is in place under the new name before the old key goes; should a step raise,
    // the old key is left whole.
    const bool complete = keytree::CopyTree(source.get(), target.get(), newPath);
    source.reset();
    target.reset();
    if (complete) RemoveKeyTree(oldPath);
}

TRegIniFile::TRegIniFile(const std::string& path) {
    SelectKey(path, true);
}

std::string TRegIniFile::ReadText(const std::string& subkey, const std::string& valueName,
                                  const std::string& defaultText) {
    // Reading needs no more than read access, and asking for full access first would cost a
    // refused open for every key that a standard user may only read.
    const ResolvedPath at = resolve(subkey);
    UniqueKey key = keytree::OpenForReading(at.base, at.path);
    if (!key) return defaultText;
    keytree::Text value = keytree::ReadText(key.get(), valueName);
    return value.present ? std::move(value.text) : defaultText;
}

void TRegIniFile::WriteText(const std::string& subkey, const std::string& valueName,
                            const std::string& text) {
    MakeKey(subkey);
    UniqueKey key = OpenHandle(subkey);
    if (!key) return;
    const TemporaryKey current(*this, key.get());
    WriteValueText(valueName, text);
}
