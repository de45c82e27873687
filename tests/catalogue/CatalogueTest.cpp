// The rest of the catalogue: Add File Type, icon reloads, renames, clearing, the row label,
// and long mixed sequences of every operation checked against a plain model.

#include <random>

#include "base/AsciiCase.h"
#include "CatalogueRecorders.h"
#include "catalogue/ExtName.h"

namespace cataloguetest {
namespace {

using CatalogueTest = CatalogueFixture;

TEST(RowLabelTest, IsDescriptionThenNameInBrackets) {
    TEntry e;
    e.Description = "Text Document";
    e.Name = "txtfile";
    EXPECT_EQ(RowLabel(e), "Text Document (txtfile)");
}

TEST(RowLabelTest, KeepsEmptyPartsAndBackslashes) {
    TEntry e;
    EXPECT_EQ(RowLabel(e), " ()");
    e.Name = "CLSID\\{0}";
    EXPECT_EQ(RowLabel(e), " (CLSID\\{0})");
}

TEST_F(CatalogueTest, NewCatalogueIsEmpty) {
    EXPECT_EQ(cat().EntryCount, 0);
    EXPECT_EQ(cat().ExtHead, nullptr);
    EXPECT_EQ(cat().ExtTail, nullptr);
    for (const auto& slot : cat().Entries) EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(cat().Entry(0), nullptr);
}

TEST_F(CatalogueTest, EntryGivesNothingOutsideTheUsedSlots) {
    cat().AddEntry(".a", "A", "A", "");

    EXPECT_EQ(cat().Entry(0), cat().Entries[0].get());
    EXPECT_EQ(cat().Entry(-1), nullptr);
    EXPECT_EQ(cat().Entry(1), nullptr);
    EXPECT_EQ(cat().Entry(kMaxEntries), nullptr);
}

TEST_F(CatalogueTest, AppendTypeFillsTheNextSlotWithoutExtensions) {
    cat().AddEntry(".a", "A", "Type A", "");
    const std::int32_t slot = cat().AppendType("My type", "mytype", "C:\\Kestrune.exe", 0);

    EXPECT_EQ(slot, 1);
    EXPECT_EQ(cat().EntryCount, 2);
    EXPECT_EQ(entry(1).Description, "My type");
    EXPECT_EQ(entry(1).Name, "mytype");
    EXPECT_EQ(entry(1).IconFile, "C:\\Kestrune.exe");
    EXPECT_EQ(entry(1).IconIndex, 0);
    EXPECT_EQ(entry(1).FirstExt, nullptr);
    EXPECT_EQ(entry(1).LastExt, nullptr);
    EXPECT_EQ(view.rows, Names({"Type A (A)", "My type (mytype)"}));
}

TEST_F(CatalogueTest, AppendTypeTakesTheExtractedIconWithoutFallback) {
    const std::int32_t slot = cat().AppendType("T", "t", "C:\\lib.icl", 7);

    ASSERT_EQ(icons.extracts.size(), 1u);
    EXPECT_EQ(icons.extracts[0].file, "C:\\lib.icl");
    EXPECT_EQ(icons.extracts[0].index, 7);
    EXPECT_EQ(IdOf(entry(slot).Icon), icons.extracts[0].id);
    EXPECT_TRUE(icons.fallbacks.empty());
}

TEST_F(CatalogueTest, AppendTypeWithNoIconLeavesTheIconEmpty) {
    icons.extractGivesNothing = true;
    const std::int32_t slot = cat().AppendType("T", "t", "C:\\readme.txt", 0);

    EXPECT_TRUE(entry(slot).Icon.empty());
    EXPECT_TRUE(icons.fallbacks.empty());
    EXPECT_EQ(view.rows.size(), 1u);
}

TEST_F(CatalogueTest, AppendTypeKeepsANegativeIndex) {
    const std::int32_t slot = cat().AppendType("T", "t", "C:\\x.dll", -3);

    EXPECT_EQ(entry(slot).IconIndex, -3);
    EXPECT_EQ(icons.extracts.at(0).index, -3);
}

TEST_F(CatalogueTest, AppendTypeWithATakenNameGivesASecondEntry) {
    cat().AddEntry(".a", "A", "Old", "");
    const std::int32_t slot = cat().AppendType("New", "A", "C:\\a.ico", 0);

    EXPECT_EQ(slot, 1);
    EXPECT_EQ(view.rows, Names({"Old (A)", "New (A)"}));
}

TEST_F(CatalogueTest, AppendTypeShowsNoMessage) {
    cat().AppendType("T", "t", "C:\\x.dll", 0);

    EXPECT_TRUE(view.messages.empty());
}

TEST_F(CatalogueTest, ExtensionAddedForAnAppendedTypeJoinsIt) {
    const std::int32_t slot = cat().AppendType("Mine", "minefile", "C:\\m.ico", 0);
    cat().AddEntry(".mine", "minefile", "ignored", "C:\\other.ico,3");

    EXPECT_EQ(cat().EntryCount, 1);
    EXPECT_EQ(cat().FindExt(".mine"), slot);
    EXPECT_EQ(entry(slot).IconFile, "C:\\m.ico");
}

TEST_F(CatalogueTest, LoadIconReleasesThePreviousIconAndTakesTheNewOne) {
    cat().AddEntry(".a", "A", "A", "C:\\old.dll,1");
    const int oldIcon = IdOf(entry(0).Icon);
    cat().Entries[0]->IconFile = "C:\\new.icl";
    cat().Entries[0]->IconIndex = 12;
    cat().LoadIcon(0);

    EXPECT_EQ(ledger().released, std::vector<int>{oldIcon});
    ASSERT_EQ(icons.extracts.size(), 2u);
    EXPECT_EQ(icons.extracts[1].file, "C:\\new.icl");
    EXPECT_EQ(icons.extracts[1].index, 12);
    EXPECT_EQ(IdOf(entry(0).Icon), icons.extracts[1].id);
}

TEST_F(CatalogueTest, LoadIconReplacesTheFallbackIconWithoutUsingItAgain) {
    cat().AddEntry(".a", "A", "A", "");
    const int fallback = IdOf(entry(0).Icon);
    cat().Entries[0]->IconFile = "C:\\Kestrune.exe";
    cat().Entries[0]->IconIndex = 0;
    cat().LoadIcon(0);

    EXPECT_EQ(ReleaseCount(fallback), 1);
    EXPECT_EQ(icons.fallbacks.size(), 1u);
    EXPECT_EQ(icons.extracts.at(0).file, "C:\\Kestrune.exe");
}

TEST_F(CatalogueTest, LoadIconThatYieldsNothingEmptiesTheIcon) {
    cat().AddEntry(".a", "A", "A", "C:\\x.dll,0");
    const int oldIcon = IdOf(entry(0).Icon);
    icons.extractGivesNothing = true;
    cat().LoadIcon(0);

    EXPECT_TRUE(entry(0).Icon.empty());
    EXPECT_EQ(ReleaseCount(oldIcon), 1);
}

TEST_F(CatalogueTest, RepeatedLoadIconReleasesEachIconOnce) {
    cat().AddEntry(".a", "A", "A", "C:\\x.dll,0");
    for (int i = 0; i < 5; ++i) cat().LoadIcon(0);
    const int current = IdOf(entry(0).Icon);

    EXPECT_EQ(ledger().released.size(), 5u);
    for (int id = 0; id < ledger().issued; ++id) EXPECT_EQ(ReleaseCount(id), id == current ? 0 : 1);
}

TEST_F(CatalogueTest, LoadIconForAnInvalidSlotDoesNothing) {
    cat().AddEntry(".a", "A", "A", "C:\\x.dll,0");
    cat().LoadIcon(-1);
    cat().LoadIcon(1);

    EXPECT_EQ(icons.extracts.size(), 1u);
    EXPECT_TRUE(ledger().released.empty());
}

TEST_F(CatalogueTest, LoadIconChangesNoRow) {
    cat().AddEntry(".a", "A", "A", "C:\\x.dll,0");
    cat().LoadIcon(0);

    EXPECT_EQ(view.rows, Names({"A (A)"}));
    EXPECT_TRUE(view.removedRows.empty());
}

TEST_F(CatalogueTest, RenamedTypeTakesNewExtensionsUnderItsNewName) {
    rowsLeftToWindow = true;
    cat().AddEntry(".a", "oldname", "A", "");
    cat().RenameEntry(0, "newname");
    cat().AddEntry(".b", "newname", "ignored", "");

    EXPECT_EQ(entry(0).Name, "newname");
    EXPECT_EQ(cat().EntryCount, 1);
    EXPECT_EQ(TypeChain(cat(), 0), Names({".a", ".b"}));
}

TEST_F(CatalogueTest, OldNameAfterARenameMakesANewType) {
    rowsLeftToWindow = true;
    cat().AddEntry(".a", "oldname", "A", "");
    cat().RenameEntry(0, "newname");
    cat().AddEntry(".c", "oldname", "Old again", "");

    EXPECT_EQ(cat().EntryCount, 2);
    EXPECT_EQ(cat().FindExt(".c"), 1);
}

TEST_F(CatalogueTest, RenameOnlyInLetterCaseIsAnExactNameChange) {
    rowsLeftToWindow = true;
    cat().AddEntry(".a", "txtfile", "A", "");
    cat().RenameEntry(0, "TXTFILE");
    cat().AddEntry(".b", "txtfile", "B", "");

    EXPECT_EQ(cat().EntryCount, 2);
    EXPECT_EQ(entry(0).Name, "TXTFILE");
}

TEST_F(CatalogueTest, RenameToTheNameOfALaterSlotMakesItTheFirstMatch) {
    rowsLeftToWindow = true;
    cat().AddEntry(".a", "A", "A", "");
    cat().AddEntry(".b", "B", "B", "");
    cat().RenameEntry(0, "B");
    cat().AddEntry(".c", "B", "ignored", "");

    EXPECT_EQ(TypeChain(cat(), 0), Names({".a", ".c"}));
    EXPECT_EQ(TypeChain(cat(), 1), Names({".b"}));
}

TEST_F(CatalogueTest, RenameAwayFromASharedNameLeavesTheSecondSlotFound) {
    rowsLeftToWindow = true;
    cat().AddEntry(".a", "dup", "First", "");
    cat().AppendType("Second", "dup", "C:\\d.ico", 0);
    cat().RenameEntry(0, "unique");
    cat().AddEntry(".b", "dup", "ignored", "");

    EXPECT_EQ(cat().FindExt(".b"), 1);
    EXPECT_EQ(cat().EntryCount, 2);
}

TEST_F(CatalogueTest, RenameOfAnInvalidSlotDoesNothing) {
    cat().AddEntry(".a", "A", "A", "");
    cat().RenameEntry(-1, "X");
    cat().RenameEntry(1, "X");

    EXPECT_EQ(entry(0).Name, "A");
    EXPECT_EQ(cat().EntryCount, 1);
}

TEST_F(CatalogueTest, RenameLeavesTheRowTextToTheCaller) {
    rowsLeftToWindow = true;
    cat().AddEntry(".a", "A", "A", "");
    cat().RenameEntry(0, "B");

    EXPECT_EQ(view.rows, Names({"A (A)"}));
    EXPECT_EQ(RowLabel(entry(0)), "A (B)");
}

TEST_F(CatalogueTest, ClearEmptiesTableAndChainsAndReleasesEveryIcon) {
    rowsLeftToWindow = true;
    cat().AddEntry(".a", "A", "A", "C:\\a.dll,0");
    cat().AddEntry(".b", "B", "B", "");
    cat().AddEntry(".c", "A", "A", "");
    cat().Clear();

    EXPECT_EQ(cat().EntryCount, 0);
    EXPECT_EQ(cat().ExtHead, nullptr);
    EXPECT_EQ(cat().ExtTail, nullptr);
    for (const auto& slot : cat().Entries) EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(ledger().released.size(), 2u);
    EXPECT_EQ(cat().FindExt(".a"), -1);
}

TEST_F(CatalogueTest, ClearThenDestroyReleasesNothingTwice) {
    cat().AddEntry(".a", "A", "A", "C:\\a.dll,0");
    cat().AddEntry(".b", "B", "B", "");
    cat().Clear();
    destroyCatalogue();

    EXPECT_EQ(ReleaseCount(0), 1);
    EXPECT_EQ(ReleaseCount(1), 1);
    EXPECT_EQ(ledger().released.size(), 2u);
}

TEST_F(CatalogueTest, ClearedCatalogueFillsAgainFromSlotZero) {
    cat().AddEntry(".a", "A", "A", "");
    cat().Clear();
    view.rows.clear();
    cat().AddEntry(".b", "B", "B", "");

    EXPECT_EQ(cat().FindExt(".b"), 0);
    EXPECT_EQ(cat().FindExt(".a"), -1);
}

TEST_F(CatalogueTest, ClearOfAnEmptyCatalogueIsHarmless) {
    cat().Clear();
    cat().Clear();

    EXPECT_EQ(cat().EntryCount, 0);
    EXPECT_TRUE(ledger().events.empty());
}

TEST_F(CatalogueTest, DestructionReleasesEveryIconExactlyOnce) {
    for (int i = 0; i < 20; ++i)
        cat().AddEntry(".e" + std::to_string(i), "T" + std::to_string(i % 7), "D",
                       i % 2 ? "C:\\x.dll," + std::to_string(i) : "");
    cat().LoadIcon(3);
    const int issued = ledger().issued;
    destroyCatalogue();

    for (int id = 0; id < issued; ++id) EXPECT_EQ(ReleaseCount(id), 1) << "icon #" << id;
}

// A plain model of the catalogue: vectors instead of chains. Each extension record has an id,
// so records that share a name stay apart.
class Model {
public:
    struct Type {
        std::string name, description;
        std::vector<int> exts;
        int icon;
    };

    std::vector<Type> types;
    std::vector<int> all;
    std::vector<std::string> extNames;
    std::vector<int> released;
    int nextIcon = 0;
    int messages = 0;

    int addExtRecord(const std::string& name) {
        extNames.push_back(name);
        return static_cast<int>(extNames.size()) - 1;
    }
    void addEntry(const std::string& ext, const std::string& type, const std::string& desc) {
        for (auto& t : types) {
            if (t.name == type) {
                const int id = addExtRecord(ext);
                t.exts.push_back(id);
                all.push_back(id);
                return;
            }
        }
        if (types.size() == static_cast<size_t>(kMaxEntries)) {
            ++messages;
            return;
        }
        const int id = addExtRecord(ext);
        types.push_back({type, desc, {id}, nextIcon++});
        all.push_back(id);
    }
    std::int32_t findExt(const std::string& name) const {
        for (int id : all)
            if (EqualIgnoringAsciiCase(extNames[id], name)) return ownerOf(id);
        return -1;
    }
    std::int32_t ownerOf(int id) const {
        for (size_t i = 0; i < types.size(); ++i)
            for (int e : types[i].exts)
                if (e == id) return static_cast<std::int32_t>(i);
        return -1;
    }
    void removeExt(std::int32_t slot, const std::string& name) {
        if (slot < 0 || slot >= static_cast<std::int32_t>(types.size())) return;
        auto& exts = types[slot].exts;
        for (auto it = exts.begin(); it != exts.end(); ++it) {
            if (EqualIgnoringAsciiCase(extNames[*it], name)) {
                const int id = *it;
                exts.erase(it);
                all.erase(std::find(all.begin(), all.end(), id));
                return;
            }
        }
    }
    void appendExt(std::int32_t slot, const std::string& name) {
        if (slot < 0 || slot >= static_cast<std::int32_t>(types.size())) return;
        const int id = addExtRecord(name);
        types[slot].exts.push_back(id);
        all.push_back(id);
    }
    void removeEntry(std::int32_t slot) {
        if (slot < 0 || slot >= static_cast<std::int32_t>(types.size())) return;
        for (int id : types[slot].exts) all.erase(std::find(all.begin(), all.end(), id));
        released.push_back(types[slot].icon);
        types.erase(types.begin() + slot);
    }
    std::int32_t appendType(const std::string& desc, const std::string& name) {
        if (types.size() == static_cast<size_t>(kMaxEntries)) return -1;
        types.push_back({name, desc, {}, nextIcon++});
        return static_cast<std::int32_t>(types.size()) - 1;
    }
    void loadIcon(std::int32_t slot) {
        if (slot < 0 || slot >= static_cast<std::int32_t>(types.size())) return;
        released.push_back(types[slot].icon);
        types[slot].icon = nextIcon++;
    }
    void rename(std::int32_t slot, const std::string& name) {
        if (slot < 0 || slot >= static_cast<std::int32_t>(types.size())) return;
        types[slot].name = name;
    }
    std::vector<std::string> allNames() const {
        std::vector<std::string> names;
        for (int id : all) names.push_back(extNames[id]);
        return names;
    }
    std::vector<std::string> typeNames(std::int32_t slot) const {
        std::vector<std::string> names;
        for (int id : types[slot].exts) names.push_back(extNames[id]);
        return names;
    }
};

class MixedSequenceTest : public CatalogueFixture, public ::testing::WithParamInterface<unsigned> {
protected:
    ::testing::AssertionResult matchesModel(const Model& m) {
        auto sound = CatalogueIsSound(cat(), view);
        if (!sound) return sound;
        if (cat().EntryCount != static_cast<std::int32_t>(m.types.size()))
            return ::testing::AssertionFailure()
                   << cat().EntryCount << " entries, model has " << m.types.size();
        for (std::int32_t i = 0; i < cat().EntryCount; ++i) {
            const TEntry& e = entry(i);
            const Model::Type& t = m.types[i];
            if (e.Name != t.name || e.Description != t.description)
                return ::testing::AssertionFailure() << "slot " << i << " holds " << RowLabel(e);
            if (TypeChain(cat(), i) != m.typeNames(i))
                return ::testing::AssertionFailure() << "slot " << i << ": chain differs";
            if (IdOf(e.Icon) != t.icon)
                return ::testing::AssertionFailure()
                       << "slot " << i << " holds icon #" << IdOf(e.Icon) << ", not #" << t.icon;
        }
        if (AllChain(cat()) != m.allNames())
            return ::testing::AssertionFailure() << "all-extensions chain differs";
        if (ledger().released != m.released)
            return ::testing::AssertionFailure() << "icons released differ";
        if (static_cast<int>(view.messages.size()) != m.messages)
            return ::testing::AssertionFailure() << view.messages.size() << " messages";
        return ::testing::AssertionSuccess();
    }
};

TEST_P(MixedSequenceTest, EveryOperationKeepsTheCatalogueEqualToTheModel) {
    std::mt19937 random(GetParam());
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    // Type names that differ only in case or by a backslash part, so exact comparison counts.
    const std::vector<std::string> typeNames = {
        "txtfile", "TXTFILE", "htmlfile", "CLSID\\{1}", "CLSID\\{2}",      "caf\xE9",
        "CAF\xC9", "",        "-",        "a b",        "Word.Document.8", "jpegfile"};
    Model m;
    int extCounter = 0;
    auto freshExt = [&] {
        std::string name = ".x" + std::to_string(extCounter++);
        if (pick(3) == 0) name[1] = 'X';
        return name;
    };
    auto anyExtName = [&]() -> std::string {
        if (m.all.empty() || pick(5) == 0) return freshExt();
        std::string name = m.extNames[m.all[pick(static_cast<int>(m.all.size()))]];
        if (pick(2) == 0 && name.size() > 1) name[1] = name[1] == 'x' ? 'X' : 'x';
        return name;
    };
    auto anySlot = [&] {
        // Mostly valid slots, now and then one just outside the table.
        const int n = static_cast<int>(m.types.size());
        if (n == 0 || pick(10) == 0) return pick(3) == 0 ? -1 : n;
        return pick(n);
    };

    for (int step = 0; step < 1500; ++step) {
        const int op = pick(100);
        std::string what;
        if (op < 35) {
            const std::string ext = freshExt();
            const std::string type = typeNames[pick(static_cast<int>(typeNames.size()))];
            const std::string desc = "D" + std::to_string(step);
            what = "AddEntry " + ext + " " + type;
            cat().AddEntry(ext, type, desc, pick(2) ? "" : "C:\\i.dll," + std::to_string(step));
            m.addEntry(ext, type, desc);
        } else if (op < 55) {
            const std::int32_t slot = anySlot();
            const std::string ext = anyExtName();
            what = "RemoveExt " + std::to_string(slot) + " " + ext;
            cat().RemoveExt(slot, ext);
            m.removeExt(slot, ext);
        } else if (op < 65) {
            const std::int32_t slot = anySlot();
            const std::string ext = anyExtName();
            what = "AppendExt " + std::to_string(slot) + " " + ext;
            cat().AppendExt(slot, ext);
            m.appendExt(slot, ext);
        } else if (op < 73) {
            // Mostly types without extensions, as the command removes them.
            std::int32_t slot = anySlot();
            if (pick(4) != 0) {
                for (std::int32_t i = 0; i < static_cast<std::int32_t>(m.types.size()); ++i)
                    if (m.types[i].exts.empty()) slot = i;
            }
            what = "RemoveEntry " + std::to_string(slot);
            cat().RemoveEntry(slot);
            m.removeEntry(slot);
        } else if (op < 81) {
            const std::string type = typeNames[pick(static_cast<int>(typeNames.size()))];
            what = "AppendType " + type;
            const std::int32_t got = cat().AppendType("New", type, "C:\\n.ico", step);
            EXPECT_EQ(got, m.appendType("New", type)) << what;
        } else if (op < 87) {
            const std::int32_t slot = anySlot();
            what = "LoadIcon " + std::to_string(slot);
            cat().LoadIcon(slot);
            m.loadIcon(slot);
        } else if (op < 92) {
            const std::int32_t slot = anySlot();
            const std::string type = typeNames[pick(static_cast<int>(typeNames.size()))];
            what = "RenameEntry " + std::to_string(slot) + " " + type;
            cat().RenameEntry(slot, type);
            m.rename(slot, type);
            // The properties dialog replaces the row text itself.
            if (slot >= 0 && slot < cat().EntryCount) view.rows[slot] = RowLabel(entry(slot));
        } else {
            const std::string ext = anyExtName();
            what = "FindExt " + ext;
            EXPECT_EQ(cat().FindExt(ext), m.findExt(ext)) << what;
        }
        ASSERT_TRUE(matchesModel(m)) << "after step " << step << ": " << what;
    }

    const int issued = ledger().issued;
    destroyCatalogue();
    for (int id = 0; id < issued; ++id) EXPECT_EQ(ReleaseCount(id), 1) << "icon #" << id;
}

INSTANTIATE_TEST_SUITE_P(Seeds, MixedSequenceTest, ::testing::Values(1u, 2u, 3u, 20240607u));

}  // namespace
}  // namespace cataloguetest
