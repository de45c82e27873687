#include "support/WideRegistry.h"

#include <sddl.h>

#include <algorithm>
#include <stdexcept>

#include "base/Unique.h"
#include "base/WideText.h"

namespace widereg {

namespace {

using Key = Unique<HKEY, RegCloseKey>;

Key open(HKEY root, const std::wstring& path) {
    Key key;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return Key();
    return key;
}

std::wstring join(const std::wstring& path, const std::wstring& name) {
    return path.empty() ? name : path + L"\\" + name;
}

[[noreturn]] void fail(const std::string& what, const std::wstring& path, LSTATUS error) {
    throw std::runtime_error(what + Utf8(path) + " (error " + std::to_string(error) + ")");
}

// The key at path below root, made with the keys on the way when it is missing.
Key create(HKEY root, const std::wstring& path) {
    Key key;
    const LSTATUS r = RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                      key.put(), nullptr);
    if (r != ERROR_SUCCESS) fail("cannot create ", path, r);
    return key;
}

void collect(HKEY key, const std::wstring& path, Tree& tree) {
    auto& values = tree[path];
    std::vector<wchar_t> name(16384);
    for (DWORD i = 0;; ++i) {
        DWORD length = static_cast<DWORD>(name.size());
        if (RegEnumValueW(key, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        const std::wstring valueName(name.data(), length);
        if (auto value = Get(key, L"", valueName)) values[valueName] = *value;
    }
    for (DWORD i = 0;; ++i) {
        DWORD length = static_cast<DWORD>(name.size());
        if (RegEnumKeyExW(key, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        const std::wstring sub(name.data(), length);
        if (Key child = open(key, sub)) collect(child.get(), join(path, sub), tree);
    }
}

}  // namespace

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

std::string Utf8(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n,
                        nullptr, nullptr);
    return utf8;
}

void Put(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type,
         const std::vector<BYTE>& data) {
    const LSTATUS r =
        RegSetValueExW(create(root, path).get(), name.c_str(), 0, type,
                       data.empty() ? nullptr : data.data(), static_cast<DWORD>(data.size()));
    if (r != ERROR_SUCCESS) fail("cannot set ", join(path, name), r);
}

void PutText(HKEY root, const std::wstring& path, const std::wstring& name,
             const std::wstring& text) {
    const BYTE* bytes = reinterpret_cast<const BYTE*>(text.c_str());
    Put(root, path, name, REG_SZ,
        std::vector<BYTE>(bytes, bytes + (text.size() + 1) * sizeof(wchar_t)));
}

bool KeyExists(HKEY root, const std::wstring& path) {
    return static_cast<bool>(open(root, path));
}

std::optional<rawreg::Value> Get(HKEY root, const std::wstring& path, const std::wstring& name) {
    const Key key = open(root, path);
    if (!key) return std::nullopt;
    rawreg::Value value;
    DWORD size = 0;
    if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &value.type, nullptr, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    if (size > 0 && RegQueryValueExW(key.get(), name.c_str(), nullptr, &value.type,
                                     value.data.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    return value;
}

std::optional<std::wstring> GetText(HKEY root, const std::wstring& path, const std::wstring& name) {
    const std::optional<rawreg::Value> value = Get(root, path, name);
    if (!value || (value->type != REG_SZ && value->type != REG_EXPAND_SZ)) return std::nullopt;
    std::wstring text(value->data.size() / sizeof(wchar_t), L'\0');
    std::copy(value->data.begin(), value->data.begin() + text.size() * sizeof(wchar_t),
              reinterpret_cast<BYTE*>(text.data()));
    return text.substr(0, text.find(L'\0'));
}

Tree Snapshot(HKEY root, const std::wstring& path) {
    Tree tree;
    if (const Key key = open(root, path)) collect(key.get(), L"", tree);
    return tree;
}

void WriteTree(HKEY root, const std::u16string& path, const regscript::Key& key) {
    const std::wstring widePath(AsWide(path));
    create(root, widePath);
    for (const regscript::Value& value : key.values)
        Put(root, widePath, std::wstring(AsWide(value.name)), value.type, value.data);
    for (const regscript::Key& subkey : key.subkeys)
        WriteTree(root, path + u"\\" + subkey.name, subkey);
}

void SetAccess(HKEY root, const std::u16string& path, const char* sddl) {
    Key key;
    LSTATUS r = RegOpenKeyExW(root, std::wstring(AsWide(path)).c_str(), 0, WRITE_DAC, key.put());
    PSECURITY_DESCRIPTOR sd = nullptr;
    if (r == ERROR_SUCCESS &&
        !ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &sd, nullptr))
        r = static_cast<LSTATUS>(GetLastError());
    if (r == ERROR_SUCCESS) r = RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, sd);
    LocalFree(sd);
    if (r != ERROR_SUCCESS) fail("cannot set the access of ", std::wstring(AsWide(path)), r);
}

}  // namespace widereg

regscript::Value TextValue(std::u16string name, std::u16string_view text, std::uint32_t type) {
    return regscript::Value{std::move(name), type, regscript::TextBytes(text)};
}

regscript::Value RawValue(std::u16string name, std::uint32_t type,
                          std::initializer_list<int> bytes) {
    regscript::Value value{std::move(name), type, {}};
    for (int b : bytes) value.data.push_back(static_cast<std::uint8_t>(b));
    return value;
}
