#pragma once
// The registry access layer: every registry read and write of the program goes through it.
// A TRegistry holds a root and a current key; paths are relative to the current key (or the
// root when there is none) unless they start with a backslash, which names a path from the
// root. The empty path names the base key itself. Missing keys and values are never errors;
// what the layer raises is an ERegistryException with one of five texts.

#include <windows.h>

#include <string>
#include <vector>

#include "registry/ERegistryException.h"
#include "registry/UniqueKey.h"

class TRegistry {
public:
    TRegistry() = default;
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;
    virtual ~TRegistry() = default;

    HKEY Root() const { return root_; }
    HKEY ActiveKey() const { return active_.get(); }

    // A different root releases the current key; the same root changes nothing.
    void SetRoot(HKEY root);
    // Makes the key at path the current key; false (and the current key kept) on failure.
    // With create, a missing key is made, except for the empty path, which is only opened.
    bool SelectKey(const std::string& path, bool create);
    void CloseActive();
    // Creates the key when missing and releases it at once; raises "Failed to create key %s".
    bool MakeKey(const std::string& path);
    // Opens with full access, falling back to read access; an empty key when neither works.
    UniqueKey OpenHandle(const std::string& path) const;
    bool KeyPresent(const std::string& path) const;
    // Value operations work on the current key (the root when there is none).
    bool ValuePresent(const std::string& valueName) const;
    // The text of a string or expandable string value, as stored; empty for a value without
    // data. Raises "Failed to get data for '%s'" or "Invalid data type for '%s'".
    std::string ReadValueText(const std::string& valueName) const;
    // The value's type as stored (REG_SZ, REG_EXPAND_SZ, ...); REG_NONE also when it is missing.
    DWORD ValueType(const std::string& valueName) const;
    // Writes the text with its terminating NUL: REG_EXPAND_SZ over an expandable string and as
    // a new value that refers to a variable, else REG_SZ (base/RegistryText.h); raises "Failed
    // to set data for '%s'".
    void WriteValueText(const std::string& valueName, const std::string& text);
    // Deletes the value; false when it was not there. Raises "Failed to delete value '%s'" when
    // the registry refuses.
    bool DeleteValue(const std::string& valueName);
    // Replaces list with the names of the current key's subkeys, in enumeration order.
    void ListSubkeys(std::vector<std::string>& list) const;
    // Deletes the key and its subkeys depth first; true when the key itself went. The empty
    // path (the base key itself) is refused with false.
    bool RemoveKeyTree(const std::string& path);
    // Moves a key with every value (each with its own type) and subkey to newPath. Does nothing
    // unless oldPath exists, newPath does not, and newPath does not lie inside oldPath. The old
    // key is deleted only after everything was copied.
    void RelocateKey(const std::string& oldPath, const std::string& newPath);

protected:
    // A key path split into the key it is resolved against and the path handed to the system.
    struct ResolvedPath {
        HKEY base;
        std::string path;
    };
    ResolvedPath resolve(const std::string& path) const;
    HKEY currentKey() const { return active_ ? active_.get() : root_; }

    // Makes key the current key until it goes out of scope, then puts the previous current
    // key back. The key stays owned by the caller, the previous one by the registry object.
    class TemporaryKey {
    public:
        TemporaryKey(TRegistry& registry, HKEY key);
        ~TemporaryKey();
        TemporaryKey(const TemporaryKey&) = delete;
        TemporaryKey& operator=(const TemporaryKey&) = delete;

    private:
        TRegistry& registry_;
        UniqueKey saved_;
    };

    HKEY root_ = HKEY_CURRENT_USER;
    UniqueKey active_;
};

class TRegIniFile : public TRegistry {
public:
    // Selects path below HKEY_CURRENT_USER, creating it; the empty path opens the root itself.
    explicit TRegIniFile(const std::string& path);

    // The value of subkey (relative to the current key), or defaultText when the subkey cannot
    // be opened or has no such value. Raises as ReadValueText.
    std::string ReadText(const std::string& subkey, const std::string& valueName,
                         const std::string& defaultText);
    // Writes the value as WriteValueText does, creating the subkey (and any keys on its path)
    // first.
    void WriteText(const std::string& subkey, const std::string& valueName,
                   const std::string& text);
};
