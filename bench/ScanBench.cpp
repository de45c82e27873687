// How long the start-up takes over a HKEY_CLASSES_ROOT of realistic size, against what the
// registry alone costs. The synthetic classes, the machine's and a small part of the user's,
// live in scratch keys behind the redirected roots; the real ones are never touched.
//
//   wine ScanBench.exe [rounds]
//
// Prints, for one run, each figure the best of the rounds:
//   - the baseline: enumerate the root's subkeys and read the three values of every extension
//     with the raw API, extracting no icon;
//   - the start-up: the main window's scan and its first paint, the rows in sight drawn with
//     their icons, which is what the user waits for; with the icons that were extracted;
//   - the scan alone into a catalogue, with an icon source that extracts nothing;
//   - the icons of every row extracted through the shell, as the start-up did before a row
//     got its icon when it was first drawn;
//   - then, from a run of its own at 144 DPI (the Wine prefix's LogPixels set for it and put
//     back after), the start-up with its icons of 48 pixels beside a baseline of that run.
// Needs a display, as every window does.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include <set>

#include "base/DpiScale.h"
#include "base/Unique.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Scan.h"
#include "icons/IconExtract.h"
#include "icons/IconLocation.h"
#include "registry/UniqueKey.h"
#include "support/Pump.h"
#include "support/ScratchRegistry.h"
#include "ui/main/CatalogueList.h"
#include "ui/main/Umain.h"
#include "ui/window/Dpi.h"

namespace {

constexpr int kExtensions = 5000;
constexpr int kTypes = 2500;
constexpr int kOtherKeys = 3000;
constexpr int kClsids = 1500;
constexpr int kLooseExtensions = 400;  // extensions that name no type, or a missing one
constexpr int kUserTypes = 60;         // registered for the user only, as installers often do

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
        PutText(HKEY_CLASSES_ROOT, type + "\\shell\\open\\command", "",
                "\"C:\\Program Files\\Bench\\app.exe\" \"%1\"");
        // One type in ten has no icon location and shows the fallback icon.
        if (t % 10 == 0) continue;
        const IconFile& f = files[t % files.size()];
        const std::string location =
            f.path + "," + std::to_string(static_cast<unsigned>(t) % f.count);
        // Half the locations are stored expandable, as installers often write them.
        if (t % 2)
            Put(HKEY_CLASSES_ROOT, type + "\\DefaultIcon", "", REG_EXPAND_SZ,
                rawreg::Bytes(location));
        else
            PutText(HKEY_CLASSES_ROOT, type + "\\DefaultIcon", "", location);
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
    // The user's part: types and extensions of the user's own, and the user's description of
    // as many types of the machine's, which hides the machine's one.
    const std::string user = "Software\\Classes\\";
    for (int t = 0; t < kUserTypes; ++t) {
        const std::string type = numbered("User.Type.", t);
        PutText(HKEY_CURRENT_USER, user + type, "", "User's own type " + std::to_string(t));
        PutText(HKEY_CURRENT_USER, user + numbered(".ux", t), "", type);
        PutText(HKEY_CURRENT_USER, user + numbered("Bench.Type.", t * 41), "", "User's view");
    }
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

struct ScanFigures {
    double total = 0;
    double extraction = 0;  // every row's icon, extracted after the scan
    int rows = 0;
    int extensions = 0;
    size_t keyNames = 0;
};

// The scan into a catalogue of its own; then, when icons is given, every row's icon extracted.
ScanFigures timedScan(IconSource& icons, bool extractEveryRow) {
    CountingView view;
    ScanFigures figures;
    TCatalogue catalogue(view, icons);
    std::vector<std::string> keyNames;
    const auto start = Clock::now();
    ScanRegistry(catalogue, keyNames);
    figures.total = millisecondsSince(start);
    for (const TExt* p = catalogue.ExtHead; p; p = p->Next) ++figures.extensions;
    figures.keyNames = keyNames.size();
    figures.rows = view.rows;
    if (extractEveryRow) {
        const auto extraction = Clock::now();
        for (std::int32_t slot = 0; slot < catalogue.EntryCount; ++slot) catalogue.RowIcon(slot);
        figures.extraction = millisecondsSince(extraction);
    }
    return figures;
}

struct StartupFigures {
    double total = 0;  // the scan, the window shown and its first paint
    double scan = 0;   // of which the scan into the window's list
    int rows = 0;
    int rowsDrawn = 0;         // rows that have their icon
    int fromLocations = 0;     // of them, icons extracted from the types' icon locations
    int fallbackRows = 0;      // and rows of types without one, which show the fallback icon
    int fallbackPictures = 0;  // different fallback icons among those rows
};

// The program's start-up on the synthetic root: the main window is created (the catalogue
// cleared), then shown, which scans the registry and paints the window with its rows in sight.
StartupFigures startUp() {
    StartupFigures f;
    TfrmMain form;
    form.Create();
    // What TfrmMain::Show does, with the scan timed on its own: shown hidden, the window only
    // scans.
    const auto start = Clock::now();
    form.Show(SW_HIDE);
    f.scan = millisecondsSince(start);
    ShowWindow(form.Handle(), SW_SHOW);
    UpdateWindow(form.Handle());
    f.total = millisecondsSince(start);
    PumpMessages();
    std::set<TIcon::Handle> fallbacks;
    f.rows = Catalogue().EntryCount;
    for (std::int32_t slot = 0; slot < Catalogue().EntryCount; ++slot) {
        const TEntry& e = *Catalogue().Entry(slot);
        if (e.IconPending != PendingIcon::None) continue;
        ++f.rowsDrawn;
        if (e.IconFile == kNoIconMarker && e.IconIndex == kNoIconIndex) {
            ++f.fallbackRows;
            fallbacks.insert(e.Icon.get());
        } else {
            ++f.fromLocations;
        }
    }
    f.fallbackPictures = static_cast<int>(fallbacks.size());
    return f;
}

constexpr const char* kDesktopKey = "Control Panel\\Desktop";
constexpr const char* kLogPixels = "LogPixels";

using UniqueHandle = Unique<HANDLE, CloseHandle>;

std::optional<DWORD> readLogPixels() {
    DWORD value = 0, size = sizeof value, type = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, RRF_RT_REG_DWORD, &type, &value,
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

bool writeLogPixels(std::optional<DWORD> value) {
    UniqueKey key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        key.put(), nullptr) != ERROR_SUCCESS)
        return false;
    const LSTATUS done = value
                             ? RegSetValueExA(key.get(), kLogPixels, 0, REG_DWORD,
                                              reinterpret_cast<const BYTE*>(&*value), sizeof *value)
                             : RegDeleteValueA(key.get(), kLogPixels);
    return done == ERROR_SUCCESS;
}

// The child's exit code, or 1 when it cannot be started.
DWORD runChild(std::string command) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "cannot start %s (error %lu)\n", command.c_str(), GetLastError());
        return 1;
    }
    const UniqueHandle child(process.hProcess), thread(process.hThread);
    WaitForSingleObject(child.get(), INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(child.get(), &code);
    return code;
}

// Runs commandLine at dpi: the system reads the DPI from the user's LogPixels setting when a
// process starts, so the value is set before it starts and the old one put back once it ended.
DWORD RunAtDpi(UINT dpi, std::string commandLine) {
    const std::optional<DWORD> old = readLogPixels();
    if (!writeLogPixels(dpi)) {
        std::fprintf(stderr, "cannot set LogPixels\n");
        return 1;
    }
    const DWORD code = runChild(std::move(commandLine));
    if (!writeLogPixels(old)) {
        std::fprintf(stderr, "cannot put LogPixels back\n");
        return 1;
    }
    return code;
}

// The start-up at 144 DPI and its own baseline, in a process of their own: the DPI is read
// when a process starts.
constexpr const char* kScaledRun = "--at-144-dpi";
constexpr UINT kScaledDpi = 144;

int scaledStartUp(int rounds) {
    if (SystemDpi() != kScaledDpi) {
        fprintf(stderr, "the run at %u DPI runs at %u DPI\n", kScaledDpi, SystemDpi());
        return 1;
    }
    ScratchRegistry scratch;
    fill(iconFiles());
    baselineScan();
    double baseline = 1e300;
    StartupFigures startup{1e300};
    for (int r = 0; r < rounds; ++r) {
        const auto start = Clock::now();
        baselineScan();
        baseline = std::min(baseline, millisecondsSince(start));
        const StartupFigures s = startUp();
        if (s.total < startup.total) startup = s;
    }
    printf("at %u DPI, best of %d rounds (icons %d pixels):\n", kScaledDpi, rounds,
           ScaleLength(kIconSize, kScaledDpi));
    printf("  baseline (raw enumerate + 3 reads per extension):  %8.1f ms\n", baseline);
    printf("  start-up (scan, window shown, first paint):        %8.1f ms, %d rows drawn\n",
           startup.total, startup.rowsDrawn);
    printf("  start-up / baseline:                               %8.2f (goal 1.20 at most)\n",
           startup.total / baseline);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    if (argc > 2 && strcmp(argv[2], kScaledRun) == 0) {
        try {
            return scaledStartUp(rounds);
        } catch (const std::exception& e) {
            fprintf(stderr, "benchmark failed: %s\n", e.what());
            return 1;
        }
    }
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
            "keys, %d CLSIDs; the user's part: %d types, %d descriptions of the machine's; "
            "filled in %.0f ms\n",
            kExtensions, kTypes, kLooseExtensions, kOtherKeys, kClsids, kUserTypes, kUserTypes,
            millisecondsSince(fillStart));

        baselineScan();  // warms the registry caches for every run alike
        double baseline = 1e300;
        int qualifying = 0;
        StartupFigures startup{1e300};
        ScanFigures bare{1e300};
        ScanFigures shell{1e300, 1e300};
        for (int r = 0; r < rounds; ++r) {
            const auto start = Clock::now();
            qualifying = baselineScan();
            const double b = millisecondsSince(start);
            baseline = std::min(baseline, b);

            const StartupFigures s = startUp();
            if (s.total < startup.total) startup = s;

            NoIcons none;
            const ScanFigures n = timedScan(none, false);
            if (n.total < bare.total) bare = n;

            ShellIconSource icons;
            const ScanFigures e = timedScan(icons, true);
            if (e.extraction < shell.extraction) shell = e;
            printf(
                "round %d: baseline %.1f ms; start-up %.1f ms, of which the scan %.1f ms (%d rows, "
                "%d drawn with their icons); scan alone %.1f ms; every row's icon %.1f ms\n",
                r + 1, b, s.total, s.scan, s.rows, s.rowsDrawn, n.total, e.extraction);
        }

        printf("best of %d rounds:\n", rounds);
        printf("  baseline (raw enumerate + 3 reads per extension):  %8.1f ms, %d qualifying\n",
               baseline, qualifying);
        printf("  start-up (scan, window shown, first paint):        %8.1f ms, %d rows\n",
               startup.total, startup.rows);
        printf("    of which the scan into the window's list:        %8.1f ms\n", startup.scan);
        printf(
            "    icons extracted: %d rows drawn, %d icons from their locations, %d rows of the "
            "fallback icon sharing %d picture\n",
            startup.rowsDrawn, startup.fromLocations, startup.fallbackRows,
            startup.fallbackPictures);
        printf(
            "  scan alone, no icons:                              %8.1f ms, %d rows, %d "
            "extensions, %zu key names\n",
            bare.total, bare.rows, bare.extensions, bare.keyNames);
        printf("  every row's icon, as start-up extracted before:    %8.1f ms, %d rows\n",
               shell.extraction, shell.rows);
        printf("  start-up / baseline:                               %8.2f (goal 1.20 at most)\n",
               startup.total / baseline);
    } catch (const std::exception& e) {
        fprintf(stderr, "benchmark failed: %s\n", e.what());
        return 1;
    }
    fflush(stdout);
    return static_cast<int>(RunAtDpi(kScaledDpi, "\"" + OwnExecutablePath() + "\" " +
                                                     std::to_string(rounds) + " " + kScaledRun));
}
