// What the history costs the commands that write the most: Delete File Type and a rename in
// the properties dialog, of a type key with 200 subkeys and 1,000 values. Each is timed as
// its handler does its registry work, once without history and once recorded first, as the
// program records it, in the same run. The registry is a scratch key behind a redirected
// HKEY_CLASSES_ROOT, the history a scratch folder that holds 500 files already, so every
// recorded change also prunes the oldest, as in a folder that has been in use for long.
//
//   wine HistoryBench.exe [rounds]
//
// Each figure is the best of the rounds; the type key is written anew before every round.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "base/AnsiText.h"
#include "catalogue/Schema.h"
#include "registry/ClassesView.h"
#include "history/ChangeHistory.h"
#include "registry/KeySnapshot.h"
#include "support/ScratchHistory.h"
#include "support/ScratchRegistry.h"

namespace {

constexpr int kSubkeys = 200;
constexpr int kValues = 1000;
constexpr int kExtensions = 3;
constexpr const char* kType = "Bench.Type";
constexpr const char* kRenamed = "Bench.Renamed";

using Clock = std::chrono::steady_clock;

std::string numbered(const char* prefix, int i) {
    char text[64];
    snprintf(text, sizeof text, "%s%04d", prefix, i);
    return text;
}

// The type key: 200 values of its own, and 200 subkeys (DefaultIcon, shell verbs and others)
// of 4 values each; texts, expandable texts, numbers and bytes. Three extensions name it.
void writeType() {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, kType);
    RegDeleteTreeA(HKEY_CLASSES_ROOT, kRenamed);
    rawreg::PutText(HKEY_CLASSES_ROOT, kType, "", "Benchmark document");
    rawreg::PutText(HKEY_CLASSES_ROOT, std::string(kType) + "\\DefaultIcon", "", "bench.dll,3");
    int values = 2;
    const auto put = [&](const std::string& key, int i) {
        const std::string name = numbered("Value", i);
        switch (i % 4) {
            case 0:
                rawreg::PutText(HKEY_CLASSES_ROOT, key, name,
                                "\"C:\\Program Files\\Bench\\app.exe\" /verb " + name + " \"%1\"");
                break;
            case 1:
                rawreg::Put(HKEY_CLASSES_ROOT, key, name, REG_EXPAND_SZ,
                            rawreg::Bytes("%ProgramFiles%\\Bench\\" + name + ".dll"));
                break;
            case 2:
                rawreg::PutDword(HKEY_CLASSES_ROOT, key, name, static_cast<std::uint32_t>(i));
                break;
            default:
                rawreg::Put(HKEY_CLASSES_ROOT, key, name, REG_BINARY,
                            std::vector<BYTE>(16, static_cast<BYTE>(i)));
        }
        ++values;
    };
    for (int i = 0; values < kValues - 4 * (kSubkeys - 1); ++i) put(kType, i);
    for (int s = 1; s < kSubkeys; ++s) {
        const std::string key = std::string(kType) + "\\" + numbered("shell\\Verb", s);
        for (int i = 0; i < 4; ++i) put(key, i);
    }
    for (int e = 0; e < kExtensions; ++e)
        rawreg::PutText(HKEY_CLASSES_ROOT, numbered(".bench", e), "", kType);
}

std::vector<std::string> extensions() {
    std::vector<std::string> names;
    for (int e = 0; e < kExtensions; ++e) names.push_back(numbered(".bench", e));
    return names;
}

// The registry writes of Delete File Type.
ClassesPlan deletePlan() {
    return {DeleteTree(kType)};
}

// The registry writes of the properties dialog's OK with a new name.
ClassesPlan renamePlan() {
    ClassesPlan plan;
    for (const std::string& ext : extensions())
        plan.push_back(SetText(ext, kDefaultValue, kRenamed));
    plan.push_back(MoveTree(kType, kRenamed));
    WriteTypeKeys(plan, kRenamed, "Benchmark document", "bench.dll", 3);
    return plan;
}

// A command's registry work, as the program does it: where each write may go, learnt before
// the first, then the writes; recorded first in history when there is one.
void runPlan(const ClassesPlan& plan, ChangeHistory* history = nullptr,
             const ChangeTitle& title = {}) {
    ClassesView view;
    DecidePlan(plan, view);
    if (!history) return view.Apply(plan, WriteMode::AsTheView);
    history->Record(title, PartsWritten(plan, view, WriteMode::AsTheView),
                    [&] { view.Apply(plan, WriteMode::AsTheView); });
}

void deleteType() {
    runPlan(deletePlan());
}

void renameType() {
    runPlan(renamePlan());
}

double millisecondsOf(const std::function<void()>& work) {
    writeType();
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The best times of rounds, in milliseconds, of work without and with history, taken in turn so
// that both meet the same load of the machine; the type key is written anew before each.
std::pair<double, double> bestOfBoth(int rounds, const std::function<void()>& plain,
                                     const std::function<void()>& recorded) {
    double fastestPlain = 1e300, fastestRecorded = 1e300;
    for (int r = 0; r < rounds; ++r) {
        fastestPlain = std::min(fastestPlain, millisecondsOf(plain));
        fastestRecorded = std::min(fastestRecorded, millisecondsOf(recorded));
    }
    return {fastestPlain, fastestRecorded};
}

void fillHistoryFolder(const std::wstring& folder) {
    for (int i = 0; i < 500; ++i) {
        char name[64];
        snprintf(name, sizeof name, "\\2000-01-01 00-00-%02d.%03d Old change.reg", i / 1000,
                 i % 1000);
        std::ofstream(AnsiFromWide(folder) + name) << "an old change";
    }
}

void report(const char* command, double plain, double recorded) {
    printf("%-18s without history %8.2f ms   with history %8.2f ms   history adds %5.1f%%\n",
           command, plain, recorded, 100.0 * (recorded - plain) / plain);
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    try {
        ScratchRegistry scratch;
        ScratchHistory scratchHistory;
        fillHistoryFolder(scratchHistory.Folder());
        ChangeHistory history;
        printf("type key: %d subkeys, %d values; %d rounds, best of each\n", kSubkeys, kValues,
               rounds);

        const auto [deletePlain, deleteRecorded] = bestOfBoth(rounds, deleteType, [&] {
            runPlan(deletePlan(), &history, {"Delete File Type", {kType}});
        });
        report("Delete File Type", deletePlain, deleteRecorded);

        const auto [renamePlain, renameRecorded] = bestOfBoth(rounds, renameType, [&] {
            runPlan(renamePlan(), &history, {"Rename File Type", {kType, kRenamed}});
        });
        report("Rename File Type", renamePlain, renameRecorded);

        // What no record of the key can go below: reading its state once, one registry call
        // for every value and a few for every key.
        double read = 1e300;
        for (int r = 0; r < rounds; ++r)
            read = std::min(
                read, millisecondsOf([] { ReadKeySnapshot(HKEY_CLASSES_ROOT, u"Bench.Type"); }));
        printf("reading the type key's state alone: %.2f ms\n", read);
        printf("history files: %zu\n", scratchHistory.Files().size());
    } catch (const std::exception& e) {
        fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
