#include "registry/KeyTree.h"

#include <algorithm>
#include <cstring>

#include "base/AnsiText.h"
#include "base/Utf8.h"
#include "registry/ERegistryException.h"
#include "registry/KeyName.h"

namespace keytree {

namespace {

// The registry counts name lengths in UTF-16 units (key names at most 255, value names 16383),
// and one unit takes up to three bytes in UTF-8, the program's code page: name buffers are
// sized for that from the start and grow up to the longest name the registry allows.
constexpr DWORD kBytesPerUnit = 3;
constexpr DWORD kLongestName = kBytesPerUnit * 16384;

std::vector<char> nameBuffer(DWORD longestUnits) {
    return std::vector<char>(kBytesPerUnit * longestUnits + 1);
}

// Runs one enumeration call (of a subkey or value name) into buffer, doubling the buffer
// while the name does not fit; length receives the name's length.
template <class EnumCall>
LSTATUS enumName(std::vector<char>& buffer, DWORD& length, EnumCall call) {
    length = static_cast<DWORD>(buffer.size());
    LSTATUS r = call(buffer.data(), &length);
    while (r == ERROR_MORE_DATA && buffer.size() < kLongestName) {
        buffer.resize(std::min<size_t>(buffer.size() * 2, kLongestName));
        length = static_cast<DWORD>(buffer.size());
        r = call(buffer.data(), &length);
    }
    return r;
}

// What a name enumeration does with a name that cannot be read.
enum class Unreadable { Skip, Raise };

// The names that call (one subkey or value enumeration call for index i) gives for the
// indexes below count, in enumeration order.
template <class EnumCall>
std::vector<std::string> enumNames(DWORD count, DWORD longest, Unreadable unreadable,
                                   EnumCall call) {
    std::vector<std::string> names;
    names.reserve(count);
    std::vector<char> buffer = nameBuffer(longest);
    for (DWORD i = 0; i < count; ++i) {
        DWORD length = 0;
        const LSTATUS r =
            enumName(buffer, length, [&](char* name, DWORD* size) { return call(i, name, size); });
        if (r == ERROR_NO_MORE_ITEMS) break;
        if (r == ERROR_SUCCESS)
            names.emplace_back(buffer.data(), length);
        else if (unreadable == Unreadable::Raise)
            Raise(kGetFailed, std::string());
    }
    return names;
}

// The names of the values of key, in enumeration order.
std::vector<std::string> valueNames(HKEY key) {
    DWORD count = 0;
    DWORD longest = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                         &longest, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return {};
    // Leaving a value out would lose it when the old key is deleted, so a value that cannot
    // even be named stops the copy while the old key is still whole.
    return enumNames(count, longest, Unreadable::Raise, [&](DWORD i, char* name, DWORD* size) {
        return RegEnumValueA(key, i, name, size, nullptr, nullptr, nullptr, nullptr);
    });
}

// Reads a value whole through query(type, data, size), the platform's value query with the
// key and name bound: Absent when its size cannot be queried, Failed when the data cannot be
// read after that.
template <class Query>
ReadResult readWhole(Query query, RawValue& value) {
    DWORD size = 0;
    if (query(&value.type, nullptr, &size) != ERROR_SUCCESS) return ReadResult::Absent;
    value.data.clear();
    if (size == 0) return ReadResult::Read;
    // The value may grow between the two calls; read again at the size the system reports.
    for (int attempt = 0; attempt < 4; ++attempt) {
        value.data.resize(size);
        DWORD got = size;
        const LSTATUS r = query(&value.type, value.data.data(), &got);
        if (r == ERROR_SUCCESS) {
            value.data.resize(got);
            return ReadResult::Read;
        }
        if (r != ERROR_MORE_DATA || got <= size) return ReadResult::Failed;
        size = got;
    }
    return ReadResult::Failed;
}

// Values are copied through the wide calls, byte for byte. The ANSI calls pass text data
// (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) through the process's code page: on Windows without
// UTF-8 that loses every character outside the system's code page, and even UTF-8 changes text
// data that is no valid UTF-16 (a lone surrogate, an odd number of bytes).
void copyValue(HKEY source, HKEY target, const std::string& name, bool mayBeAbsent) {
    const std::wstring wideName = WideFromAnsi(name);
    RawValue value;
    const auto query = [&](DWORD* type, BYTE* data, DWORD* size) {
        return RegQueryValueExW(source, wideName.c_str(), nullptr, type, data, size);
    };
    switch (readWhole(query, value)) {
        case ReadResult::Absent:
            if (mayBeAbsent) return;
            Raise(kGetFailed, name);
        case ReadResult::Failed:
            Raise(kGetFailed, name);
        case ReadResult::Read:
            break;
    }
    const BYTE* data = value.data.empty() ? nullptr : value.data.data();
    if (RegSetValueExW(target, wideName.c_str(), 0, value.type, data,
                       static_cast<DWORD>(value.data.size())) != ERROR_SUCCESS)
        Raise(kSetFailed, name);
}

void copyValues(HKEY source, HKEY target) {
    copyValue(source, target, std::string(), true);
    for (const std::string& name : valueNames(source))
        if (!name.empty()) copyValue(source, target, name, false);
}

std::vector<std::string> components(const std::string& path) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        if (end > start) parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

}  // namespace

void Raise(const char* format, const std::string& what) {
    std::string text = format;
    const size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, ShownName(what));
    throw ERegistryException(text);
}

UniqueKey OpenKey(HKEY base, const std::string& path) {
    UniqueKey key;
    const LSTATUS r = RegOpenKeyExA(base, path.c_str(), 0, KEY_ALL_ACCESS, key.put());
    if (r == ERROR_SUCCESS) return key;
    // A missing key stays missing at any access; everything else may be a refusal of write
    // access to a key that can still be read.
    if (r == ERROR_FILE_NOT_FOUND) return UniqueKey();
    if (RegOpenKeyExA(base, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        return UniqueKey();
    return key;
}

UniqueKey OpenForReading(HKEY base, const std::string& path) {
    UniqueKey key;
    if (RegOpenKeyExA(base, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        return UniqueKey();
    return key;
}

UniqueKey CreateKey(HKEY base, const std::string& path) {
    UniqueKey key;
    if (RegCreateKeyExA(base, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, key.put(), nullptr) != ERROR_SUCCESS)
        return UniqueKey();
    return key;
}

std::vector<std::string> SubkeyNames(HKEY key) {
    DWORD count = 0;
    DWORD longest = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return {};
    return enumNames(count, longest, Unreadable::Skip, [&](DWORD i, char* name, DWORD* size) {
        return RegEnumKeyExA(key, i, name, size, nullptr, nullptr, nullptr, nullptr);
    });
}

ReadResult ReadRawValue(HKEY key, const std::string& name, RawValue& value) {
    return readWhole(
        [&](DWORD* type, BYTE* data, DWORD* size) {
            return RegQueryValueExA(key, name.c_str(), nullptr, type, data, size);
        },
        value);
}

namespace {

std::string textOf(DWORD type, const BYTE* data, DWORD size, const std::string& name) {
    if (size == 0) return std::string();
    if (type != REG_SZ && type != REG_EXPAND_SZ) Raise(kInvalidType, name);
    const char* text = reinterpret_cast<const char*>(data);
    return std::string(text, strnlen(text, size));
}

}  // namespace

Text ReadText(HKEY key, const std::string& name) {
    // Most values the program reads (type names, descriptions, icon locations) are short: one
    // call into a buffer on the stack reads them. Anything else takes the long way.
    BYTE buffer[512];
    DWORD size = sizeof buffer;
    DWORD type = REG_NONE;
    const LSTATUS r = RegQueryValueExA(key, name.c_str(), nullptr, &type, buffer, &size);
    if (r == ERROR_SUCCESS) return {true, textOf(type, buffer, size, name)};
    if (r == ERROR_FILE_NOT_FOUND) return {};

    RawValue value;
    switch (ReadRawValue(key, name, value)) {
        case ReadResult::Absent:
            return {};
        case ReadResult::Failed:
            Raise(kGetFailed, name);
        case ReadResult::Read:
            break;
    }
    return {true,
            textOf(value.type, value.data.data(), static_cast<DWORD>(value.data.size()), name)};
}

bool CopyTree(HKEY source, HKEY target, const std::string& destinationPath) {
    copyValues(source, target);
    bool complete = true;
    for (const std::string& name : SubkeyNames(source)) {
        UniqueKey from = OpenKey(source, name);
        if (!from) {
            complete = false;
            continue;
        }
        const std::string path = destinationPath + "\\" + name;
        UniqueKey to = CreateKey(target, name);
        if (!to) Raise(kCreateFailed, path);
        if (!CopyTree(from.get(), to.get(), path)) complete = false;
    }
    return complete;
}

bool PathWithin(const std::string& inner, const std::string& outer) {
    const std::vector<std::string> in = components(inner);
    const std::vector<std::string> out = components(outer);
    if (in.size() < out.size()) return false;
    for (size_t i = 0; i < out.size(); ++i)
        if (!SameRegistryName(in[i], out[i])) return false;
    return true;
}

}  // namespace keytree
