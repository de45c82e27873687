// RemoveEntry: the later slots move down, their owner indexes with them, the row goes, the icon
// is released.

#include "CatalogueRecorders.h"

namespace cataloguetest {
namespace {

class RemoveEntryTest : public CatalogueFixture {
protected:
    // n types "T0".."T<n-1>", type i owning ".e<i>a" and ".e<i>b", each with its own icon.
    void addTypes(int n) {
        for (int i = 0; i < n; ++i) {
            const std::string s = std::to_string(i);
            cat().AddEntry(".e" + s + "a", "T" + s, "Type " + s, "C:\\icons.dll," + s);
        }
        for (int i = 0; i < n; ++i) {
            const std::string s = std::to_string(i);
            cat().AddEntry(".e" + s + "b", "T" + s, "Type " + s, "");
        }
    }
    void emptyType(std::int32_t slot) {
        while (TExt* first = cat().Entries[slot]->FirstExt) {
            const std::string name = first->Name;
            cat().RemoveExt(slot, name);
        }
    }
};

TEST_F(RemoveEntryTest, TypeBelowTheRemovedOneIsFoundInItsNewSlot) {
    addTypes(5);
    emptyType(2);
    cat().RemoveEntry(2);

    EXPECT_EQ(cat().FindExt(".e3a"), 2);
    EXPECT_EQ(cat().FindExt(".e3b"), 2);
    EXPECT_EQ(view.rows[2], "Type 3 (T3)");
    EXPECT_EQ(entry(2).Name, "T3");
}

TEST_F(RemoveEntryTest, EveryMovedTypeKeepsItsOwnerIndexesInStep) {
    addTypes(6);
    emptyType(1);
    cat().RemoveEntry(1);

    ASSERT_EQ(cat().EntryCount, 5);
    for (std::int32_t slot = 0; slot < cat().EntryCount; ++slot)
        for (const TExt* p = entry(slot).FirstExt; p; p = p->NextInType) EXPECT_EQ(p->Entry, slot);
    EXPECT_EQ(cat().FindExt(".e0a"), 0);
    EXPECT_EQ(cat().FindExt(".e5b"), 4);
}

TEST_F(RemoveEntryTest, RowIsDeletedAtTheSlotAndTheLaterRowsMoveUp) {
    addTypes(4);
    emptyType(1);
    cat().RemoveEntry(1);

    EXPECT_EQ(view.removedRows, std::vector<int>{1});
    EXPECT_EQ(view.rows, Names({"Type 0 (T0)", "Type 2 (T2)", "Type 3 (T3)"}));
}

TEST_F(RemoveEntryTest, FreedSlotIsClearedAndCountDrops) {
    addTypes(3);
    emptyType(0);
    cat().RemoveEntry(0);

    EXPECT_EQ(cat().EntryCount, 2);
    EXPECT_EQ(cat().Entries[2], nullptr);
    EXPECT_EQ(cat().Entry(2), nullptr);
    EXPECT_EQ(entry(0).Name, "T1");
}

TEST_F(RemoveEntryTest, LastSlotMovesNothing) {
    addTypes(3);
    emptyType(2);
    cat().RemoveEntry(2);

    EXPECT_EQ(cat().EntryCount, 2);
    EXPECT_EQ(cat().FindExt(".e1a"), 1);
    EXPECT_EQ(view.removedRows, std::vector<int>{2});
}

TEST_F(RemoveEntryTest, OnlyTypeLeavesAnEmptyTable) {
    cat().AddEntry(".x", "xfile", "X", "");
    cat().RemoveExt(0, ".x");
    cat().RemoveEntry(0);

    EXPECT_EQ(cat().EntryCount, 0);
    EXPECT_EQ(cat().Entries[0], nullptr);
    EXPECT_TRUE(view.rows.empty());
}

TEST_F(RemoveEntryTest, ReleasesTheIconOfTheRemovedTypeOnly) {
    addTypes(3);
    const int removedIcon = IdOf(entry(1).Icon);
    const int keptIcon0 = IdOf(entry(0).Icon);
    const int keptIcon2 = IdOf(entry(2).Icon);
    emptyType(1);
    cat().RemoveEntry(1);

    EXPECT_EQ(ledger().released, std::vector<int>{removedIcon});
    EXPECT_EQ(IdOf(entry(0).Icon), keptIcon0);
    EXPECT_EQ(IdOf(entry(1).Icon), keptIcon2);
}

TEST_F(RemoveEntryTest, IconIsReleasedBeforeTheRowIsDeleted) {
    cat().AddEntry(".x", "xfile", "X", "C:\\x.dll,0");
    const int icon = IdOf(entry(0).Icon);
    cat().RemoveExt(0, ".x");
    ledger().events.clear();
    cat().RemoveEntry(0);

    EXPECT_EQ(ledger().events,
              std::vector<std::string>({"release #" + std::to_string(icon), "remove 0"}));
}

TEST_F(RemoveEntryTest, RemovedIconIsNotReleasedAgainAtDestruction) {
    addTypes(2);
    const int removedIcon = IdOf(entry(0).Icon);
    emptyType(0);
    cat().RemoveEntry(0);
    destroyCatalogue();

    EXPECT_EQ(ReleaseCount(removedIcon), 1);
    EXPECT_EQ(ledger().released.size(), static_cast<size_t>(ledger().issued));
}

TEST_F(RemoveEntryTest, TypeWithoutIconIsRemovedCleanly) {
    icons.extractGivesNothing = true;
    cat().AddEntry(".x", "xfile", "X", "C:\\missing.dll,0");
    cat().RemoveExt(0, ".x");
    cat().RemoveEntry(0);

    EXPECT_TRUE(ledger().released.empty());
    EXPECT_EQ(view.removedRows, std::vector<int>{0});
}

TEST_F(RemoveEntryTest, InvalidSlotDoesNothing) {
    addTypes(2);
    cat().RemoveEntry(-1);
    cat().RemoveEntry(2);
    cat().RemoveEntry(kMaxEntries);

    EXPECT_EQ(cat().EntryCount, 2);
    EXPECT_TRUE(view.removedRows.empty());
    EXPECT_TRUE(ledger().released.empty());
}

TEST_F(RemoveEntryTest, EmptyCatalogueDoesNothing) {
    cat().RemoveEntry(0);

    EXPECT_EQ(cat().EntryCount, 0);
    EXPECT_TRUE(ledger().events.empty());
}

TEST_F(RemoveEntryTest, TypeThatStillHasExtensionsTakesThemAlong) {
    addTypes(3);
    cat().RemoveEntry(1);

    EXPECT_EQ(cat().FindExt(".e1a"), -1);
    EXPECT_EQ(cat().FindExt(".e1b"), -1);
    EXPECT_EQ(AllChain(cat()), Names({".e0a", ".e2a", ".e0b", ".e2b"}));
    EXPECT_EQ(cat().FindExt(".e2b"), 1);
}

TEST_F(RemoveEntryTest, TypeOwningTheChainTailTakesItAlongAndMendsTheTail) {
    addTypes(3);
    cat().RemoveEntry(2);

    EXPECT_EQ(cat().ExtTail->Name, ".e1b");
    EXPECT_EQ(cat().ExtTail->Next, nullptr);
    cat().AddEntry(".late", "T0", "Type 0", "");
    EXPECT_EQ(AllChain(cat()), Names({".e0a", ".e1a", ".e0b", ".e1b", ".late"}));
}

TEST_F(RemoveEntryTest, TypeOwningEveryExtensionEmptiesTheAllChain) {
    cat().AddEntry(".a", "A", "A", "");
    cat().AddEntry(".b", "A", "A", "");
    cat().RemoveEntry(0);

    EXPECT_EQ(cat().ExtHead, nullptr);
    EXPECT_EQ(cat().ExtTail, nullptr);
}

TEST_F(RemoveEntryTest, NewTypeAfterRemovalTakesTheNextFreeSlot) {
    addTypes(3);
    emptyType(0);
    cat().RemoveEntry(0);
    cat().AddEntry(".new", "N", "New", "");

    EXPECT_EQ(cat().FindExt(".new"), 2);
    EXPECT_EQ(view.rows.back(), "New (N)");
}

TEST_F(RemoveEntryTest, AddEntryAfterRemovalFindsTheMovedTypeByName) {
    addTypes(4);
    emptyType(1);
    cat().RemoveEntry(1);
    cat().AddEntry(".e3c", "T3", "ignored", "");

    EXPECT_EQ(cat().EntryCount, 3);
    EXPECT_EQ(TypeChain(cat(), 2), Names({".e3a", ".e3b", ".e3c"}));
    EXPECT_EQ(cat().FindExt(".e3c"), 2);
}

TEST_F(RemoveEntryTest, RemovingTheFirstOfTwoEqualNamesLetsTheSecondTakeNewExtensions) {
    cat().AddEntry(".a", "dup", "First", "");
    cat().AppendType("Second", "dup", "C:\\d.ico", 0);
    cat().RemoveExt(0, ".a");
    cat().RemoveEntry(0);
    cat().AddEntry(".b", "dup", "ignored", "");

    EXPECT_EQ(cat().EntryCount, 1);
    EXPECT_EQ(entry(0).Description, "Second");
    EXPECT_EQ(TypeChain(cat(), 0), Names({".b"}));
}

TEST_F(RemoveEntryTest, RemovingFromAFullTableMovesThousandsOfSlots) {
    for (int i = 0; i < kMaxEntries; ++i) {
        const std::string s = std::to_string(i);
        cat().AddEntry(".x" + s, "T" + s, "D", "");
    }
    cat().RemoveExt(0, ".x0");
    cat().RemoveEntry(0);

    EXPECT_EQ(cat().EntryCount, kMaxEntries - 1);
    EXPECT_EQ(cat().Entries[kMaxEntries - 1], nullptr);
    EXPECT_EQ(cat().FindExt(".x4095"), kMaxEntries - 2);
}

}  // namespace
}  // namespace cataloguetest
