#pragma once
// A throwaway registry for tests (and benchmarks): while a ScratchRegistry lives, this process's
// HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER point at two fresh, empty keys, and
// HKEY_CLASSES_ROOT at the first one's Software\Classes, as Wine has it: the machine's classes.
// A test writes the user's classes (HKCU\Software\Classes) beside them. Nothing a test does
// reaches the real registry.
//
//     TEST(Something, Works) {
//         ScratchRegistry scratch;                       // HKCR and HKCU are now empty
//         RegSetValueA(HKEY_CLASSES_ROOT, ".txt", REG_SZ, "txtfile", 7);
//         ...
//     }                                                  // overrides gone, scratch deleted
//
// The scratch keys are HKCU\Software\KestruneTests\<pid>-<n>\machine and ...\user under the
// real HKEY_CURRENT_USER; the destructor ends the overrides and deletes <pid>-<n> with
// everything in it. Only one ScratchRegistry may live at a time. A failure to set up throws
// std::runtime_error.
//
// The raw helpers below go straight to the Win32 API, so tests can set up data and read the
// effects back without the program's registry layer.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class ScratchRegistry {
public:
    ScratchRegistry();
    ~ScratchRegistry();
    ScratchRegistry(const ScratchRegistry&) = delete;
    ScratchRegistry& operator=(const ScratchRegistry&) = delete;

    // The real keys now behind HKEY_CLASSES_ROOT and HKEY_CURRENT_USER.
    HKEY Classes() const { return classes_; }
    HKEY User() const { return user_; }
    HKEY Machine() const { return machine_; }
    // Path of the scratch tree below the real HKEY_CURRENT_USER.
    const std::string& Path() const { return path_; }

private:
    // Ends the overrides, closes the keys and deletes the scratch tree.
    void release();

    std::string path_;
    HKEY classes_ = nullptr;
    HKEY user_ = nullptr;
    HKEY machine_ = nullptr;
};

namespace rawreg {

struct Value {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    bool operator==(const Value&) const = default;
};

// Creates path below root (and keys on the way) and gives it a value; throws on failure.
void Put(HKEY root, const std::string& path, const std::string& name, DWORD type,
         const std::vector<BYTE>& data);
// REG_SZ with its terminating NUL.
void PutText(HKEY root, const std::string& path, const std::string& name, const std::string& text);
void PutDword(HKEY root, const std::string& path, const std::string& name, std::uint32_t v);
// Creates path below root with no values.
void MakeKey(HKEY root, const std::string& path);

bool KeyExists(HKEY root, const std::string& path);
std::optional<Value> Get(HKEY root, const std::string& path, const std::string& name);
// The text of a REG_SZ or REG_EXPAND_SZ value up to its NUL; nullopt when absent or not text.
std::optional<std::string> GetText(HKEY root, const std::string& path, const std::string& name);
// Success when the value has this type and, when data is given, exactly these bytes;
// otherwise a failure that says what is stored instead.
::testing::AssertionResult HasValue(HKEY root, const std::string& path, const std::string& name,
                                    DWORD type,
                                    const std::optional<std::vector<BYTE>>& data = std::nullopt);
// Subkey names and value names in enumeration order.
std::vector<std::string> Subkeys(HKEY root, const std::string& path);
std::vector<std::string> ValueNames(HKEY root, const std::string& path);

// Bytes of text, with the NUL of REG_SZ when withNul.
std::vector<BYTE> Bytes(const std::string& text, bool withNul = true);

}  // namespace rawreg
