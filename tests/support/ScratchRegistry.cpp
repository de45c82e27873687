#include "support/ScratchRegistry.h"

#include <stdexcept>

namespace {

constexpr const char* kTestsKey = "Software\\KestruneTests";

int nextScratchNumber() {
    static int counter = 0;
    return counter++;
}

HKEY createUnder(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    const LSTATUS r = RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                      KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (r != ERROR_SUCCESS)
        throw std::runtime_error("cannot create " + path + " (error " + std::to_string(r) + ")");
    return key;
}

class OpenedKey {
public:
    OpenedKey(HKEY root, const std::string& path) {
        if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS) key_ = nullptr;
    }
    ~OpenedKey() {
        if (key_) RegCloseKey(key_);
    }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace

ScratchRegistry::ScratchRegistry()
    : path_(std::string(kTestsKey) + "\\" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(nextScratchNumber())) {
    // Whatever an earlier run of this process number left behind is not ours to reuse.
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    machine_ = createUnder(HKEY_CURRENT_USER, path_ + "\\machine");
    classes_ = createUnder(HKEY_CURRENT_USER, path_ + "\\machine\\Software\\Classes");
    user_ = createUnder(HKEY_CURRENT_USER, path_ + "\\user");
    if (RegOverridePredefKey(HKEY_CLASSES_ROOT, classes_) != ERROR_SUCCESS ||
        RegOverridePredefKey(HKEY_CURRENT_USER, user_) != ERROR_SUCCESS ||
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine_) != ERROR_SUCCESS) {
        release();
        throw std::runtime_error("cannot redirect the registry roots to " + path_);
    }
}

ScratchRegistry::~ScratchRegistry() {
    release();
    // Only goes when no other test process still has its scratch tree in there.
    RegDeleteKeyA(HKEY_CURRENT_USER, kTestsKey);
}

void ScratchRegistry::release() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    for (HKEY key : {classes_, user_, machine_})
        if (key) RegCloseKey(key);
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
}

namespace rawreg {

std::vector<BYTE> Bytes(const std::string& text, bool withNul) {
    std::vector<BYTE> bytes(text.begin(), text.end());
    if (withNul) bytes.push_back(0);
    return bytes;
}

void MakeKey(HKEY root, const std::string& path) {
    RegCloseKey(createUnder(root, path));
}

void Put(HKEY root, const std::string& path, const std::string& name, DWORD type,
         const std::vector<BYTE>& data) {
    HKEY key = createUnder(root, path);
    const LSTATUS r =
        RegSetValueExA(key, name.c_str(), 0, type, data.empty() ? nullptr : data.data(),
                       static_cast<DWORD>(data.size()));
    RegCloseKey(key);
    if (r != ERROR_SUCCESS)
        throw std::runtime_error("cannot set " + path + "\\" + name + " (error " +
                                 std::to_string(r) + ")");
}

void PutText(HKEY root, const std::string& path, const std::string& name, const std::string& text) {
    Put(root, path, name, REG_SZ, Bytes(text));
}

void PutDword(HKEY root, const std::string& path, const std::string& name, std::uint32_t v) {
    const BYTE* p = reinterpret_cast<const BYTE*>(&v);
    Put(root, path, name, REG_DWORD, std::vector<BYTE>(p, p + sizeof v));
}

bool KeyExists(HKEY root, const std::string& path) {
    return OpenedKey(root, path).get() != nullptr;
}

std::optional<Value> Get(HKEY root, const std::string& path, const std::string& name) {
    OpenedKey key(root, path);
    if (!key.get()) return std::nullopt;
    Value value;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type, nullptr, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    if (size > 0 && RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type,
                                     value.data.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    return value;
}

std::optional<std::string> GetText(HKEY root, const std::string& path, const std::string& name) {
    const std::optional<Value> value = Get(root, path, name);
    if (!value || (value->type != REG_SZ && value->type != REG_EXPAND_SZ)) return std::nullopt;
    std::string text(value->data.begin(), value->data.end());
    return text.substr(0, text.find('\0'));
}

::testing::AssertionResult HasValue(HKEY root, const std::string& path, const std::string& name,
                                    DWORD type, const std::optional<std::vector<BYTE>>& data) {
    const std::optional<Value> value = Get(root, path, name);
    const std::string where = path + " value '" + name + "'";
    if (!value) return ::testing::AssertionFailure() << where << " is missing";
    if (value->type != type)
        return ::testing::AssertionFailure()
               << where << " has type " << value->type << ", not " << type;
    if (data && value->data != *data)
        return ::testing::AssertionFailure()
               << where << " holds " << ::testing::PrintToString(value->data) << ", not "
               << ::testing::PrintToString(*data);
    return ::testing::AssertionSuccess();
}

std::vector<std::string> Subkeys(HKEY root, const std::string& path) {
    std::vector<std::string> names;
    OpenedKey key(root, path);
    if (!key.get()) return names;
    char name[1024];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

std::vector<std::string> ValueNames(HKEY root, const std::string& path) {
    std::vector<std::string> names;
    OpenedKey key(root, path);
    if (!key.get()) return names;
    char name[16384];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumValueA(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

}  // namespace rawreg
