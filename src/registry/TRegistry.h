#pragma once
// The registry access layer: every registry read and write of the program goes through it.
// A TRegistry holds a root and a current key; paths are relative to the current key (or the
// root when there is none) unless they start with a backslash.

#include <windows.h>

#include <string>
#include <vector>

#include "app/Exception.h"
#include "registry/UniqueKey.h"

class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

class TRegistry {
public:
    TRegistry() = default;
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;
    virtual ~TRegistry() = default;

    HKEY Root() const { return root_; }
    HKEY ActiveKey() const { return active_.get(); }

    void SetRoot(HKEY root);
    bool SelectKey(const std::string& path, bool create);
    void CloseActive();
    bool MakeKey(const std::string& path);
    UniqueKey OpenHandle(const std::string& path) const;
    bool KeyPresent(const std::string& path) const;
    bool ValuePresent(const std::string& valueName) const;
    std::string ReadValueText(const std::string& valueName) const;
    void WriteValueText(const std::string& valueName, const std::string& text);
    void ListSubkeys(std::vector<std::string>& list) const;
    bool RemoveKeyTree(const std::string& path);
    void RelocateKey(const std::string& oldPath, const std::string& newPath);

protected:
    HKEY root_ = HKEY_CURRENT_USER;
    UniqueKey active_;
};

class TRegIniFile : public TRegistry {
public:
    explicit TRegIniFile(const std::string& path);

    std::string ReadText(const std::string& subkey, const std::string& valueName,
                         const std::string& defaultText);
    void WriteText(const std::string& subkey, const std::string& valueName,
                   const std::string& text);
};
