#pragma once
// The two parts of the classes that HKEY_CLASSES_ROOT shows as one: the user's
// (HKEY_CURRENT_USER\Software\Classes) and the machine's (HKEY_LOCAL_MACHINE\Software\Classes),
// and which of them hold a key or a value. No Win32 here.

enum class Part { User, Machine };

enum class Where { Nowhere, User, Machine, Both };

constexpr Where WhereOf(bool user, bool machine) {
    if (user && machine) return Where::Both;
    if (user) return Where::User;
    return machine ? Where::Machine : Where::Nowhere;
}
