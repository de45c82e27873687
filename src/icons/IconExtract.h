#pragma once
// Icons from files through the shell's extraction, and the real IconSource. An icon is
// extracted at the size it is shown at: a file that holds a larger image of it gives that
// one, so that nothing shown large is stretched from 32 pixels.

#include <windows.h>

#include <cstdint>
#include <string>

#include "icons/IconLocation.h"
#include "icons/IconSource.h"
#include "icons/TIcon.h"

// The designed size of every icon the program shows, in pixels across and down.
inline constexpr int kIconSize = 32;

// The icon at index in file, or an empty icon: for a missing file or icon, for a file that is
// no icon file (the shell answers 1, which is not a handle) and for index -1 (the shell would
// answer the count). Quotes around the path and %VARIABLE% references are resolved for the
// call only; callers keep the text as the registry stores it.
// The icon is size pixels square.
TIcon ExtractIconFrom(const std::string& file, std::int32_t index, int size = kIconSize);

// As ExtractIconFrom and CountIcons, for a path that names a real file as it is (the running
// executable, a file chosen in a file dialog): a "%" in it is part of a file name, not a
// reference to expand.
TIcon ExtractIconAt(const std::string& path, std::int32_t index, int size = kIconSize);
unsigned CountIconsAt(const std::string& path);

// Takes what ExtractIconA answered: a handle becomes an icon object; 0, and the 1 the shell
// answers for a file that is no icon file, become an empty one (1 is no handle to destroy).
TIcon IconFromShellResult(HICON result);

// The number of icons in file (0 when there are none or it cannot be read).
unsigned CountIcons(const std::string& file);

// Full path of the running executable, whose icon 0 is MAINICON and icon 1 NOICON.
std::string OwnExecutablePath();

// The path as handed to ExtractIconA: one pair of quotes removed, environment expanded.
std::string ExtractionPath(const std::string& file);

// text with its %VARIABLE% references replaced by the environment's values, whole in any
// script; text as it is when it cannot be expanded.
std::string ExpandEnvironment(const std::string& text);

class ShellIconSource : public IconSource {
public:
    TIcon Extract(const std::string& file, std::int32_t index) override {
        return ExtractIconFrom(file, index, size_);
    }
    // Every type without an icon location shows the same picture: it is extracted once, at
    // the first call, kept by this source and handed out shared.
    TIcon Fallback() override;
    // The size of the icons extracted from now on. The shared fallback icon goes with the
    // old size: no icon handed out by Fallback may still be shown.
    void SetSize(int size);
    int Size() const { return size_; }

private:
    int size_ = kIconSize;
    TIcon fallback_;
    bool fallbackExtracted_ = false;
};
