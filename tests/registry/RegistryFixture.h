#pragma once
// Every registry test runs on a scratch HKEY_CLASSES_ROOT and HKEY_CURRENT_USER, with a
// registry object set up the way association work sets it up: HKEY_CLASSES_ROOT as root and
// as current key. Effects are read back through the raw API (rawreg).

#include <gtest/gtest.h>

#include <string>

#include "registry/TRegistry.h"
#include "support/Raised.h"
#include "support/ScratchRegistry.h"

class RegistryTest : public ::testing::Test {
protected:
    RegistryTest() {
        reg.SetRoot(HKEY_CLASSES_ROOT);
        reg.SelectKey("", false);
    }

    ScratchRegistry scratch;
    TRegIniFile reg{""};
};

// The text of the ERegistryException that f raises, or "<nothing raised>".
template <class F>
std::string RaisedText(F&& f) {
    return RaisedMessage<ERegistryException>(f);
}
