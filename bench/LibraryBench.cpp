// How long the main window takes to open an icon library into its grid, against one batch
// extraction of the same icons by the shell. The window runs on a scratch registry; the real
// one is never touched.
//
//   wine LibraryBench.exe [library] [rounds]
//
// The library defaults to icons1500.dll of the test data (..\tests-bin beside this program),
// of which the grid shows the first 1024. Each round opens the library into the grid (the
// code the Open Library button runs once a file is chosen, with its cap of 1024 icons), then
// paints the grid once; the baseline extracts the same icons with one ExtractIconExA call.
// For reference it also times the same batch through PrivateExtractIconsA with room for the
// icons' resource ids, and one ExtractIconA call per icon.
// Prints every round and the best of the rounds. Needs a display, as every window does.

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "icons/IconExtract.h"
#include "icons/LibraryIcons.h"
#include "support/Pump.h"
#include "support/ScratchRegistry.h"
#include "ui/LibraryPanel.h"
#include "ui/ListBox.h"
#include "ui/Umain.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string defaultLibrary() {
    const std::string self = OwnExecutablePath();
    return self.substr(0, self.find_last_of('\\') + 1) + "..\\tests-bin\\icons1500.dll";
}

struct PanelFigures {
    double load = 0;   // OpenLibraryFile
    double paint = 0;  // the first paint of the grid after it
    int cells = 0;
    int icons = 0;  // slots that got an icon
};

PanelFigures openIntoPanel(TfrmMain& form, const std::string& library) {
    // The previous round's library goes inside the timed call, as a second opening does;
    // an empty file first keeps that release out of the figure.
    OpenLibraryFile(form, "");
    PumpMessages();
    PanelFigures f;
    const auto start = Clock::now();
    OpenLibraryFile(form, library);
    f.load = millisecondsSince(start);
    const auto paint = Clock::now();
    UpdateWindow(form.lbLib);
    f.paint = millisecondsSince(paint);
    PumpMessages();
    f.cells = rowCount(form.lbLib);
    for (int i = 0; i < form.FLibIconCount; ++i)
        if (!form.FLibIcons[static_cast<std::size_t>(i)].empty()) ++f.icons;
    return f;
}

// The icons alone, loaded as the grid loads them, with no window involved.
double loadIcons(const std::string& library) {
    std::vector<TIcon> slots(kLibSlots);
    const auto start = Clock::now();
    LoadLibraryIcons(library, slots);
    return millisecondsSince(start);
}

struct Extraction {
    double milliseconds = 0;
    unsigned icons = 0;  // handles that came back
};

// Times extract, which fills icons; then counts and releases what it gave.
template <typename Extract>
Extraction timed(unsigned count, Extract extract) {
    std::vector<HICON> icons(count, nullptr);
    Extraction f;
    const auto start = Clock::now();
    extract(icons);
    f.milliseconds = millisecondsSince(start);
    for (HICON icon : icons)
        if (icon && reinterpret_cast<UINT_PTR>(icon) != 1) {
            ++f.icons;
            DestroyIcon(icon);
        }
    return f;
}

// The baseline: the shell's batch call for the icons 0 to count - 1.
Extraction batchExtract(const std::string& library, unsigned count) {
    return timed(count, [&](std::vector<HICON>& icons) {
        ExtractIconExA(library.c_str(), 0, icons.data(), nullptr, count);
    });
}

// The same batch through user32, with room for the icons' resource ids.
Extraction batchWithIds(const std::string& library, unsigned count) {
    return timed(count, [&](std::vector<HICON>& icons) {
        std::vector<UINT> ids(count);
        PrivateExtractIconsA(library.c_str(), 0, GetSystemMetrics(SM_CXICON),
                             GetSystemMetrics(SM_CYICON), icons.data(), ids.data(), count,
                             LR_DEFAULTCOLOR);
    });
}

// One ExtractIconA call per icon.
Extraction singleExtracts(const std::string& library, unsigned count) {
    return timed(count, [&](std::vector<HICON>& icons) {
        for (unsigned i = 0; i < count; ++i)
            icons[i] = ExtractIconA(GetModuleHandleA(nullptr), library.c_str(), i);
    });
}

void keepBest(Extraction& best, const Extraction& f) {
    if (f.milliseconds < best.milliseconds) best = f;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string library = argc > 1 ? argv[1] : defaultLibrary();
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 3;
    try {
        const unsigned inFile = CountIcons(library);
        if (inFile == 0) {
            fprintf(stderr, "no icons in %s\n", library.c_str());
            return 1;
        }
        const unsigned shown = std::min<unsigned>(inFile, kLibSlots);
        printf("library: %s (%u icons, the grid shows %u)\n", library.c_str(), inFile, shown);

        ScratchRegistry scratch;
        TfrmMain form;
        form.Create();
        form.Show(SW_SHOWNOACTIVATE);
        PumpMessages();

        batchExtract(library, shown);  // reads the file into the cache for all alike
        PanelFigures panel{1e300, 1e300};
        double icons = 1e300;
        Extraction batch{1e300}, withIds{1e300}, singles{1e300};
        for (int r = 0; r < rounds; ++r) {
            const PanelFigures p = openIntoPanel(form, library);
            if (p.load < panel.load) panel = p;
            icons = std::min(icons, loadIcons(library));
            const Extraction b = batchExtract(library, shown);
            keepBest(batch, b);
            keepBest(withIds, batchWithIds(library, shown));
            keepBest(singles, singleExtracts(library, shown));
            printf(
                "round %d: panel load %.1f ms (%d cells, %d icons), baseline %.1f ms (%u icons)\n",
                r + 1, p.load, p.cells, p.icons, b.milliseconds, b.icons);
        }
        printf("best of %d rounds:\n", rounds);
        printf("  panel load (open into the grid):        %8.1f ms, %d cells, %d icons\n",
               panel.load, panel.cells, panel.icons);
        printf("    of which the icons alone:             %8.1f ms\n", icons);
        printf("  first paint of the grid:                %8.1f ms\n", panel.paint);
        printf("  baseline, one ExtractIconExA call:      %8.1f ms, %u icons\n", batch.milliseconds,
               batch.icons);
        printf("  one PrivateExtractIconsA call with ids: %8.1f ms, %u icons\n",
               withIds.milliseconds, withIds.icons);
        printf("  one ExtractIconA call per icon:         %8.1f ms, %u icons\n",
               singles.milliseconds, singles.icons);
        printf("  panel load / baseline:                  %8.2f\n",
               panel.load / batch.milliseconds);
        printf("  panel load / batch with ids:            %8.2f\n",
               panel.load / withIds.milliseconds);
        if (batch.icons < shown)
            printf("  note: the baseline call gave %u of the %u icons asked for\n", batch.icons,
                   shown);
    } catch (const std::exception& e) {
        fprintf(stderr, "benchmark failed: %s\n", e.what());
        return 1;
    }
    return 0;
}
