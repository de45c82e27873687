// How long the start-up scan takes over a HKEY_CLASSES_ROOT of realistic size, against what
// the registry and the icon extraction alone cost. The synthetic root lives in a scratch key
// behind a redirected HKEY_CLASSES_ROOT; the real one is never touched.
//
//   wine ScanBench.exe [rounds]
//
// Prints, for one run: the bare baseline (enumerate the root's subkeys and read the three
// values of every extension with the raw API), the scan into a catalogue with an icon source
// that extracts nothing, and the scan with the shell's extraction, whose time is measured
// inside a wrapping icon source. Each figure is the best of the rounds.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/Catalogue.h"
#include "catalogue/Scan.h"
#include "icons/IconExtract.h"
#include "support/ScratchRegistry.h"

namespace {

constexpr int kExtensions = 5000;
constexpr int kTypes = 2500;
constexpr int kOtherKeys = 3000;
constexpr int kClsids = 1500;
constexpr int kLooseExtensions = 400;  // extensions that name no type, or a missing one

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct IconFile {
    std::string path;
    unsigned count;
};

// Icon files of the Windows folder, as real DefaultIcon values name them.
std::vector<IconFile> iconFiles() {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    std::vector<IconFile> files;
    for (const char* name : {"shell32.dll", "imageres.dll", "moricons.dll", "explorer.exe",
                             "notepad.exe", "winecfg.exe", "progman.exe", "user32.dll"}) {
        const std::string path = std::string(windows) + "\\system32\\" + name;
        if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
        const unsigned count = CountIcons(path);
        if (count > 0) files.push_back({path, count});
    }
    return files;
}

std::string numbered(const char* prefix, int i) {
    char text[64];
    snprintf(text, sizeof text, "%s%05d", prefix, i);
    return text;
}

std::string guid(int i) {
    char text[64];
    snprintf(text, sizeof text, "{%08X-4B53-4E45-8000-%012X}", 0x1000u + i, 0xABCDu * i);
    return text;
}

void fill(const std::vector<IconFile>& files) {
    using rawreg::MakeKey;
    using rawreg::Put;
    using rawreg::PutText;
    for (int t = 0; t < kTypes; ++t) {
        const std::string type = numbered("Bench.Type.", t);
        PutText(HKEY_CLASSES_ROOT, type, "", "Benchmark document type " + std::to_string(t));
        const IconFile& f = files[t % files.size()];
        const std::string location =
            f.path + "," + std::to_string(static_cast<unsigned>(t) % f.count);
        // Half the locations are stored expandable, as installers often write them.
        if (t % 2)
            Put(HKEY_CLASSES_ROOT, type + "\\DefaultIcon", "", REG_EXPAND_SZ,
                rawreg::Bytes(location));
        else
            PutText(HKEY_CLASSES_ROOT, type + "\\DefaultIcon", "", location);
        PutText(HKEY_CLASSES_ROOT, type + "\\shell\\open\\command", "",
                "\"C:\\Program Files\\Bench\\app.exe\" \"%1\"");
    }
    // Extensions spread over the types, so a type's extensions are not neighbours.
    for (int e = 0; e < kExtensions; ++e) {
        const std::string ext = numbered(".bx", e);
        PutText(HKEY_CLASSES_ROOT, ext, "", numbered("Bench.Type.", (e * 7) % kTypes));
        if (e % 3 == 0) PutText(HKEY_CLASSES_ROOT, ext, "Content Type", "application/x-bench");
        if (e % 5 == 0) MakeKey(HKEY_CLASSES_ROOT, ext + "\\OpenWithProgids");
    }
    for (int e = 0; e < kLooseExtensions; ++e) {
        const std::string ext = numbered(".lx", e);
        if (e % 2)
            PutText(HKEY_CLASSES_ROOT, ext, "", numbered("Missing.Type.", e));
        else
            MakeKey(HKEY_CLASSES_ROOT, ext + "\\OpenWithProgids");
    }
    for (int k = 0; k < kOtherKeys; ++k) {
        const std::string progid = numbered("Bench.Application.", k);
        PutText(HKEY_CLASSES_ROOT, progid, "", "Bench application object");
        PutText(HKEY_CLASSES_ROOT, progid + "\\CLSID", "", guid(k % kClsids));
    }
    for (int c = 0; c < kClsids; ++c)
        PutText(HKEY_CLASSES_ROOT, "CLSID\\" + guid(c) + "\\InprocServer32", "",
                "%SystemRoot%\\system32\\bench" + std::to_string(c) + ".dll");
}

// The same registry work as the scan, with the raw API and nothing else: the floor.
int baselineScan() {
    std::vector<std::string> names;
    DWORD count = 0;
    DWORD longest = 0;
    RegQueryInfoKeyA(HKEY_CLASSES_ROOT, nullptr, nullptr, nullptr, &count, &longest, nullptr,
                     nullptr, nullptr, nullptr, nullptr, nullptr);
    std::vector<char> name(longest + 1);
    for (DWORD i = 0; i < count; ++i) {
        DWORD length = static_cast<DWORD>(name.size());
        if (RegEnumKeyExA(HKEY_CLASSES_ROOT, i, name.data(), &length, nullptr, nullptr, nullptr,
                          nullptr) == ERROR_SUCCESS)
            names.emplace_back(name.data(), length);
    }
    auto read = [](const std::string& path, const std::string& fallback) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return fallback;
        char data[1024];
        DWORD size = sizeof data;
        DWORD type = 0;
        const LSTATUS r =
            RegQueryValueExA(key, "", nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
        RegCloseKey(key);
        if (r != ERROR_SUCCESS) return fallback;
        return std::string(data, strnlen(data, size));
    };
    int qualifying = 0;
    for (const std::string& n : names) {
        if (n.empty() || n[0] != '.') continue;
        const std::string type = read(n, "-");
        if (type == "-") continue;
        const std::string description = read(type, "-");
        const std::string location = read(type + "\\DefaultIcon", "");
        if (description != "-") ++qualifying;
    }
    return qualifying;
}

class CountingView : public CatalogueView {
public:
    void RowAppended(const std::string&) override { ++rows; }
    void RowRemoved(int) override { --rows; }
    void ShowMessage(const std::string&) override { ++messages; }
    int rows = 0;
    int messages = 0;
};

class NoIcons : public IconSource {
public:
    TIcon Extract(const std::string&, std::int32_t) override { return {}; }
    TIcon Fallback() override { return {}; }
};

// The shell's extraction, with the time spent in it added up.
class TimedShellIcons : public IconSource {
public:
    TIcon Extract(const std::string& file, std::int32_t index) override {
        const auto start = Clock::now();
        TIcon icon = shell_.Extract(file, index);
        milliseconds += millisecondsSince(start);
        ++calls;
        if (!icon.empty()) ++icons;
        return icon;
    }
    TIcon Fallback() override {
        const auto start = Clock::now();
        TIcon icon = shell_.Fallback();
        milliseconds += millisecondsSince(start);
        ++calls;
        return icon;
    }
    double milliseconds = 0;
    int calls = 0;
    int icons = 0;

private:
    ShellIconSource shell_;
};

struct ScanFigures {
    double total = 0;
    double extraction = 0;
    int rows = 0;
    int extensions = 0;
    int icons = 0;
    size_t keyNames = 0;
};

ScanFigures timedScan(IconSource& icons, const std::function<double()>& extraction) {
    CountingView view;
    ScanFigures figures;
    {
        TCatalogue catalogue(view, icons);
        std::vector<std::string> keyNames;
        const auto start = Clock::now();
        ScanRegistry(catalogue, keyNames);
        figures.total = millisecondsSince(start);
        for (const TExt* p = catalogue.ExtHead; p; p = p->Next) ++figures.extensions;
        figures.keyNames = keyNames.size();
    }
    figures.extraction = extraction();
    figures.rows = view.rows;
    return figures;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    try {
        ScratchRegistry scratch;
        const std::vector<IconFile> files = iconFiles();
        if (files.empty()) {
            fprintf(stderr, "no icon files found in the Windows folder\n");
            return 1;
        }
        printf("icon files:");
        for (const IconFile& f : files) printf(" %s (%u icons)", f.path.c_str(), f.count);
        printf("\n");

        const auto fillStart = Clock::now();
        fill(files);
        printf(
            "synthetic root: %d extensions naming %d types, %d loose extensions, %d other "
            "keys, %d CLSIDs; filled in %.0f ms\n",
            kExtensions, kTypes, kLooseExtensions, kOtherKeys, kClsids,
            millisecondsSince(fillStart));

        baselineScan();  // warms the registry caches for every run alike
        double baseline = 1e300;
        int qualifying = 0;
        for (int r = 0; r < rounds; ++r) {
            const auto start = Clock::now();
            qualifying = baselineScan();
            baseline = std::min(baseline, millisecondsSince(start));
        }

        ScanFigures bare{1e300};
        for (int r = 0; r < rounds; ++r) {
            NoIcons none;
            const ScanFigures f = timedScan(none, [] { return 0.0; });
            if (f.total < bare.total) bare = f;
        }

        ScanFigures shell{1e300};
        int extractCalls = 0;
        int extracted = 0;
        for (int r = 0; r < rounds; ++r) {
            TimedShellIcons icons;
            const ScanFigures f = timedScan(icons, [&] { return icons.milliseconds; });
            if (f.total < shell.total) {
                shell = f;
                extractCalls = icons.calls;
                extracted = icons.icons;
            }
        }

        printf("best of %d rounds:\n", rounds);
        printf("  baseline (raw enumerate + 3 reads per extension): %8.1f ms, %d qualifying\n",
               baseline, qualifying);
        printf(
            "  scan, no-op icon source:                          %8.1f ms, %d rows, %d "
            "extensions, %zu key names\n",
            bare.total, bare.rows, bare.extensions, bare.keyNames);
        printf("  scan, shell icon source:                          %8.1f ms\n", shell.total);
        printf(
            "    of which icon extraction:                       %8.1f ms (%d calls, %d "
            "icons)\n",
            shell.extraction, extractCalls, extracted);
        printf("    scan without extraction:                        %8.1f ms\n",
               shell.total - shell.extraction);
        const double floor = baseline + shell.extraction;
        printf("  scan / (baseline + extraction):                   %8.2f\n", shell.total / floor);
        printf("  scan without icons / baseline:                    %8.2f\n",
               bare.total / baseline);
    } catch (const std::exception& e) {
        fprintf(stderr, "benchmark failed: %s\n", e.what());
        return 1;
    }
    return 0;
}
