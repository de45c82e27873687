#pragma once

#include <windows.h>

#include "base/Unique.h"

// HKEY_CLASSES_ROOT .. HKEY_DYN_DATA are pseudo handles owned by the system. Opening the empty
// path below one of them may hand back the pseudo handle itself, so a key owner must be able to
// hold one without ever closing it.
inline bool isPredefined(HKEY key) {
    const auto value = reinterpret_cast<ULONG_PTR>(key);
    return value >= reinterpret_cast<ULONG_PTR>(HKEY_CLASSES_ROOT) &&
           value <= reinterpret_cast<ULONG_PTR>(HKEY_DYN_DATA);
}

inline LSTATUS closeOwnedKey(HKEY key) {
    return isPredefined(key) ? ERROR_SUCCESS : RegCloseKey(key);
}

// An opened registry key. Predefined roots (HKEY_CLASSES_ROOT, HKEY_CURRENT_USER) are
// borrowed: should one end up in here, it is never closed.
using UniqueKey = Unique<HKEY, closeOwnedKey>;
