#pragma once
// Test programs find the files they read (generated icon DLLs and the like) beside their own
// executable.

#include <string>

std::string TestDataPath(const std::string& name);
