// Forty commands chosen at random (from a fixed seed) on a generated HKEY_CLASSES_ROOT, run
// through the window; then forty undos give back the starting root exactly, and forty redos
// the final one. Each confirmation must name the command that Ctrl+Z or Ctrl+Y reaches, in
// order, and none may say that the registry changed since.

#include <random>

#include "ui/HistoryHarness.h"
#include "support/WideRegistry.h"

using regscript::Key;

namespace {

constexpr unsigned kSeed = 20261208;
constexpr int kCommands = 40;
constexpr int kMostTypes = 11;      // every row of the file-type list stays in view
constexpr int kMostExtensions = 8;  // and every row of the extension list

std::vector<std::string> extensionsOf(int slot) {
    std::vector<std::string> names;
    for (const TExt* e = Catalogue().Entry(slot)->FirstExt; e; e = e->NextInType)
        names.push_back(e->Name);
    return names;
}

std::string inQuotes(const std::string& text) {
    return "\"" + text + "\"";
}

class RandomHistory : public HistoryTest {
protected:
    // Six types with one to three extensions each, values of several types and subkeys, and
    // keys that no list shows.
    void SetUp() override {
        for (int t = 0; t < 6; ++t) {
            const std::string type = "Random.Type" + std::to_string(t);
            for (int e = 0; e <= t % 3; ++e)
                RegisterType(".t" + std::to_string(t) + std::string(1, char('a' + e)), type,
                             "Type " + std::to_string(t), "shell32.dll,3");
            rawreg::PutDword(HKEY_CLASSES_ROOT, type, "EditFlags", 0x10000u * t);
            rawreg::PutText(HKEY_CLASSES_ROOT, type + "\\shell\\open\\command", "", "x.exe %1");
        }
        widereg::WriteTree(HKEY_CLASSES_ROOT, u"Random.Type1\\shell\\open",
                           Key{u"", {TextValue(u"FriendlyName", u"Открыть 打开")}, {}});
        rawreg::PutText(HKEY_CLASSES_ROOT, ".orphan", "", "NoSuchType");
        rawreg::PutText(HKEY_CLASSES_ROOT, "CLSID\\{00000000-0000-0000-0000-000000000001}", "",
                        "not a type");
        StartWithLibrary();
    }

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    // Runs one command of the kind, when the lists allow it now; its title as the confirmation
    // names it, or the empty text when it could not run.
    std::string RunCommand(int kind, int number) {
        const int types = Catalogue().EntryCount;
        const int slot = Pick(types);
        const std::string name = Catalogue().Entry(slot)->Name;
        const std::vector<std::string> exts = extensionsOf(slot);
        const std::string n = std::to_string(number);
        switch (kind) {
            case 0:
                if (exts.size() >= kMostExtensions) return {};
                AddExtension(slot, "r" + n);
                return "Add Extension " + inQuotes(".r" + n) + " to " + inQuotes(name);
            case 1: {
                if (exts.empty()) return {};
                const int ext = Pick(static_cast<int>(exts.size()));
                DeleteExtension(slot, ext);
                return "Delete Extension " + inQuotes(exts[static_cast<size_t>(ext)]);
            }
            case 2:
                if (types >= kMostTypes) return {};
                AddFileType("New " + n, "Random.New" + n);
                return "Add File Type " + inQuotes("Random.New" + n);
            case 3:
                if (!exts.empty()) return {};
                DeleteFileType(slot);
                return "Delete File Type " + inQuotes(name);
            case 4:
                if (Pick(2) == 0) {
                    Properties(slot, "Described " + n);
                    return "File Type Properties " + inQuotes(name);
                }
                Properties(slot, "Renamed " + n, "Random.Renamed" + n);
                return "Rename File Type " + inQuotes(name) + " to " +
                       inQuotes("Random.Renamed" + n);
            case 5:
                DropIcon(Pick(10), slot);
                return "Change Icon " + inQuotes(name);
            default: {
                const int target = Pick(types);
                if (exts.empty() || target == slot) return {};
                const int ext = Pick(static_cast<int>(exts.size()));
                MoveExtension(slot, ext, target);
                return "Move Extension " + inQuotes(exts[static_cast<size_t>(ext)]) + " to " +
                       inQuotes(Catalogue().Entry(target)->Name);
            }
        }
    }

private:
    std::mt19937 random_{kSeed};
};

}  // namespace

TEST_F(RandomHistory, FortyCommandsUndoneAndRedoneGiveBackBothEnds) {
    SCOPED_TRACE("seed " + std::to_string(kSeed));
    const Key start = Root();
    std::vector<std::string> titles;
    for (int number = 0; static_cast<int>(titles.size()) < kCommands; ++number) {
        const size_t files = history.Files().size();
        const std::string title = RunCommand(Pick(7), number);
        if (title.empty()) continue;
        ASSERT_EQ(history.Files().size(), files + 1) << title << " left no history file";
        ASSERT_FALSE(HasFailure()) << "at " << title;
        titles.push_back(title);
    }
    const Key end = Root();
    ASSERT_NE(end, start);

    for (auto title = titles.rbegin(); title != titles.rend(); ++title)
        Undo("Undo " + *title + "?");
    EXPECT_EQ(Root(), start);
    for (const std::string& title : titles) Redo("Redo " + title + "?");
    EXPECT_EQ(Root(), end);
    EXPECT_EQ(history.Files().size(), 3u * kCommands);
}
