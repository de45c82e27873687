#pragma once
// Test programs find the files they read (generated icon DLLs and the like) beside their own
// executable, and write their own files into the temporary folder.

#include <cstdint>
#include <string>
#include <vector>

std::string TestDataPath(const std::string& name);

// A file name of this process in the temporary folder: prefix, the process id, suffix.
std::string TempFilePath(const std::string& prefix, const std::string& suffix);

// A file's bytes (none when it cannot be read), and bytes written as a whole file.
std::vector<std::uint8_t> FileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
