#include "support/TestData.h"

#include "icons/IconExtract.h"

std::string TestDataPath(const std::string& name) {
    const std::string exe = OwnExecutablePath();
    return exe.substr(0, exe.find_last_of("\\/") + 1) + name;
}
