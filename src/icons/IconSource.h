#pragma once
// Where icons come from: the shell's extraction on Windows, a recorder in tests. The catalogue
// takes its icons through this, so it builds and is tested without windows.h.

#include <cstdint>
#include <string>

#include "icons/TIcon.h"

class IconSource {
public:
    virtual ~IconSource() = default;
    // The icon at index in file; an empty icon when there is none.
    virtual TIcon Extract(const std::string& file, std::int32_t index) = 0;
    // Icon 1 of the running executable. A source may hand out one shared icon for every call
    // (TIcon::Shared) that it keeps alive itself.
    virtual TIcon Fallback() = 0;
};
