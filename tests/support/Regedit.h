#pragma once
// The registry editor as another process: "regedit /s file" and "regedit /e file key". It does
// not see this process's redirection of HKEY_CURRENT_USER or HKEY_CLASSES_ROOT, so the keys it
// imports or exports are named by their real paths (below the real HKEY_CURRENT_USER of the
// throwaway Wine prefix).

#include <string>

// Runs regedit.exe with arguments and waits for its end; a failure to start or to end within a
// minute fails the test.
void RunRegedit(const std::u16string& arguments);
