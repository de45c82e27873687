#include "support/TestData.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "icons/IconExtract.h"

std::string TestDataPath(const std::string& name) {
    const std::string exe = OwnExecutablePath();
    return exe.substr(0, exe.find_last_of("\\/") + 1) + name;
}

std::string TempFilePath(const std::string& prefix, const std::string& suffix) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return folder + prefix + std::to_string(GetCurrentProcessId()) + suffix;
}

std::vector<std::uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}
