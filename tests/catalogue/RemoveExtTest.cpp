// RemoveExt and AppendExt: taking extensions off both chains and putting them back at the tails.

#include "CatalogueRecorders.h"

namespace cataloguetest {
namespace {

class RemoveExtTest : public CatalogueFixture {
protected:
    // Slot 0 "A" with .a1 .a2 .a3, slot 1 "B" with .b1 .b2, slot 2 "C" with .c1, added
    // interleaved so the all-extensions chain differs from each type's chain.
    void addThreeTypes() {
        cat().AddEntry(".a1", "A", "Type A", "");
        cat().AddEntry(".b1", "B", "Type B", "");
        cat().AddEntry(".a2", "A", "Type A", "");
        cat().AddEntry(".c1", "C", "Type C", "");
        cat().AddEntry(".b2", "B", "Type B", "");
        cat().AddEntry(".a3", "A", "Type A", "");
    }
};

TEST_F(RemoveExtTest, EmptyCatalogueChangesNothing) {
    cat().RemoveExt(0, ".txt");
    cat().RemoveExt(-1, ".txt");

    EXPECT_EQ(cat().ExtHead, nullptr);
    EXPECT_EQ(cat().ExtTail, nullptr);
    EXPECT_EQ(cat().EntryCount, 0);
    EXPECT_TRUE(ledger().events.empty());
}

TEST_F(RemoveExtTest, UnknownNameChangesNothing) {
    addThreeTypes();
    cat().RemoveExt(0, ".zz");

    EXPECT_EQ(AllChain(cat()), Names({".a1", ".b1", ".a2", ".c1", ".b2", ".a3"}));
    EXPECT_EQ(TypeChain(cat(), 0), Names({".a1", ".a2", ".a3"}));
}

TEST_F(RemoveExtTest, NameOwnedByAnotherTypeChangesNothing) {
    addThreeTypes();
    cat().RemoveExt(0, ".b1");

    EXPECT_EQ(AllChain(cat()), Names({".a1", ".b1", ".a2", ".c1", ".b2", ".a3"}));
    EXPECT_EQ(TypeChain(cat(), 1), Names({".b1", ".b2"}));
    EXPECT_EQ(cat().FindExt(".b1"), 1);
}

TEST_F(RemoveExtTest, InvalidSlotChangesNothing) {
    addThreeTypes();
    cat().RemoveExt(-1, ".a1");
    cat().RemoveExt(3, ".a1");
    cat().RemoveExt(kMaxEntries, ".a1");

    EXPECT_EQ(cat().FindExt(".a1"), 0);
    EXPECT_EQ(AllChain(cat()).size(), 6u);
}

TEST_F(RemoveExtTest, MiddleExtensionLeavesBothChainsJoined) {
    addThreeTypes();
    cat().RemoveExt(0, ".a2");

    EXPECT_EQ(AllChain(cat()), Names({".a1", ".b1", ".c1", ".b2", ".a3"}));
    EXPECT_EQ(TypeChain(cat(), 0), Names({".a1", ".a3"}));
    EXPECT_EQ(cat().FindExt(".a2"), -1);
}

TEST_F(RemoveExtTest, HeadOfBothChainsMovesToTheSuccessor) {
    addThreeTypes();
    cat().RemoveExt(0, ".a1");

    EXPECT_EQ(cat().ExtHead->Name, ".b1");
    EXPECT_EQ(entry(0).FirstExt->Name, ".a2");
}

TEST_F(RemoveExtTest, LastExtensionMakesItsPredecessorTheTail) {
    addThreeTypes();
    cat().RemoveExt(0, ".a3");

    EXPECT_EQ(cat().ExtTail->Name, ".b2");
    EXPECT_EQ(cat().ExtTail->Next, nullptr);
    EXPECT_EQ(entry(0).LastExt->Name, ".a2");
    EXPECT_EQ(entry(0).LastExt->NextInType, nullptr);
}

TEST_F(RemoveExtTest, ExtensionAppendedAfterRemovingTheTailFollowsThePredecessor) {
    addThreeTypes();
    cat().RemoveExt(0, ".a3");
    cat().AddEntry(".a4", "A", "Type A", "");

    EXPECT_EQ(AllChain(cat()), Names({".a1", ".b1", ".a2", ".c1", ".b2", ".a4"}));
    EXPECT_EQ(TypeChain(cat(), 0), Names({".a1", ".a2", ".a4"}));
}

TEST_F(RemoveExtTest, AppendExtAfterRemovingTheTailFollowsThePredecessor) {
    addThreeTypes();
    cat().RemoveExt(1, ".b2");
    cat().AppendExt(1, ".b3");

    EXPECT_EQ(TypeChain(cat(), 1), Names({".b1", ".b3"}));
    EXPECT_EQ(AllChain(cat()), Names({".a1", ".b1", ".a2", ".c1", ".a3", ".b3"}));
}

TEST_F(RemoveExtTest, OnlyExtensionLeavesEmptyChainAndTheRow) {
    addThreeTypes();
    cat().RemoveExt(2, ".c1");

    EXPECT_EQ(entry(2).FirstExt, nullptr);
    EXPECT_EQ(entry(2).LastExt, nullptr);
    EXPECT_EQ(cat().EntryCount, 3);
    EXPECT_EQ(view.rows, Names({"Type A (A)", "Type B (B)", "Type C (C)"}));
    EXPECT_TRUE(view.removedRows.empty());
}

TEST_F(RemoveExtTest, OnlyExtensionInTheCatalogueEmptiesTheAllChain) {
    cat().AddEntry(".txt", "txtfile", "Text", "");
    cat().RemoveExt(0, ".txt");

    EXPECT_EQ(cat().ExtHead, nullptr);
    EXPECT_EQ(cat().ExtTail, nullptr);
    cat().AddEntry(".log", "txtfile", "Text", "");
    EXPECT_EQ(AllChain(cat()), Names({".log"}));
}

TEST_F(RemoveExtTest, NameIsMatchedWithAsciiCaseFolded) {
    addThreeTypes();
    cat().RemoveExt(1, ".B1");

    EXPECT_EQ(TypeChain(cat(), 1), Names({".b2"}));
    EXPECT_EQ(cat().FindExt(".b1"), -1);
}

TEST_F(RemoveExtTest, NonAsciiCaseDifferenceDoesNotRemove) {
    cat().AddEntry(".\xE9", "efile", "E", "");
    cat().RemoveExt(0, ".\xC9");

    EXPECT_EQ(TypeChain(cat(), 0), Names({".\xE9"}));
}

TEST_F(RemoveExtTest, RemovingEveryExtensionLeavesEmptyChainsAndAllRows) {
    addThreeTypes();
    for (const char* name : {".a1", ".b1", ".a2", ".c1", ".b2", ".a3"})
        cat().RemoveExt(cat().FindExt(name), name);

    EXPECT_EQ(cat().ExtHead, nullptr);
    EXPECT_EQ(cat().ExtTail, nullptr);
    for (int slot = 0; slot < 3; ++slot) EXPECT_EQ(entry(slot).FirstExt, nullptr);
    EXPECT_EQ(view.rows.size(), 3u);
}

TEST_F(RemoveExtTest, DoesNotTouchIconsOrRows) {
    addThreeTypes();
    cat().RemoveExt(0, ".a1");

    EXPECT_TRUE(ledger().released.empty());
    EXPECT_TRUE(view.removedRows.empty());
    EXPECT_TRUE(view.messages.empty());
}

// AppendExt has no duplicate test, so two records can share a name. The record chosen is the
// first match on the given type's chain, and that same record leaves the all-extensions chain.
TEST_F(RemoveExtTest, SharedNameRemovesTheRecordOfTheGivenType) {
    cat().AddEntry(".dup", "A", "A", "");
    cat().AddEntry(".b", "B", "B", "");
    cat().AppendExt(1, ".DUP");
    cat().RemoveExt(1, ".dup");

    EXPECT_EQ(AllChain(cat()), Names({".dup", ".b"}));
    EXPECT_EQ(TypeChain(cat(), 0), Names({".dup"}));
    EXPECT_EQ(TypeChain(cat(), 1), Names({".b"}));
    EXPECT_EQ(cat().FindExt(".dup"), 0);
}

TEST_F(RemoveExtTest, SharedNameOfTheLaterTypeKeepsTheEarlierTypesRecord) {
    cat().AddEntry(".b", "B", "B", "");
    cat().AddEntry(".dup", "A", "A", "");
    cat().AppendExt(0, ".dup");
    cat().RemoveExt(1, ".dup");

    EXPECT_EQ(AllChain(cat()), Names({".b", ".dup"}));
    EXPECT_EQ(TypeChain(cat(), 0), Names({".b", ".dup"}));
    EXPECT_EQ(entry(1).FirstExt, nullptr);
    EXPECT_EQ(cat().ExtTail, entry(0).LastExt);
    EXPECT_EQ(cat().FindExt(".dup"), 0);
}

TEST_F(RemoveExtTest, SharedNameOnOneChainRemovesTheFirstOnly) {
    cat().AddEntry(".x", "A", "A", "");
    cat().AddEntry(".y", "A", "A", "");
    cat().AppendExt(0, ".X");
    cat().RemoveExt(0, ".x");

    EXPECT_EQ(TypeChain(cat(), 0), Names({".y", ".X"}));
    EXPECT_EQ(AllChain(cat()), Names({".y", ".X"}));
}

TEST_F(RemoveExtTest, AppendExtPutsTheRecordAtBothTails) {
    addThreeTypes();
    cat().AppendExt(2, ".c2");

    EXPECT_EQ(cat().ExtTail->Name, ".c2");
    EXPECT_EQ(entry(2).LastExt, cat().ExtTail);
    EXPECT_EQ(cat().ExtTail->Entry, 2);
    EXPECT_EQ(TypeChain(cat(), 2), Names({".c1", ".c2"}));
}

TEST_F(RemoveExtTest, AppendExtToATypeWithoutExtensionsStartsItsChain) {
    const std::int32_t slot = cat().AppendType("New", "newtype", "C:\\n.ico", 0);
    cat().AppendExt(slot, ".new");

    EXPECT_EQ(TypeChain(cat(), slot), Names({".new"}));
    EXPECT_EQ(entry(slot).FirstExt, entry(slot).LastExt);
    EXPECT_EQ(cat().ExtHead, cat().ExtTail);
    EXPECT_EQ(cat().FindExt(".NEW"), slot);
}

TEST_F(RemoveExtTest, AppendExtToAnInvalidSlotDoesNothing) {
    addThreeTypes();
    cat().AppendExt(-1, ".x");
    cat().AppendExt(3, ".x");
    cat().AppendExt(kMaxEntries, ".x");

    EXPECT_EQ(cat().FindExt(".x"), -1);
    EXPECT_EQ(AllChain(cat()).size(), 6u);
}

TEST_F(RemoveExtTest, AppendExtOnEmptyCatalogueDoesNothing) {
    cat().AppendExt(0, ".x");

    EXPECT_EQ(cat().ExtHead, nullptr);
    EXPECT_EQ(cat().FindExt(".x"), -1);
}

TEST_F(RemoveExtTest, MovingAnExtensionToAnotherTypeRetargetsTheLookup) {
    addThreeTypes();
    cat().RemoveExt(0, ".a2");
    cat().AppendExt(2, ".a2");

    EXPECT_EQ(cat().FindExt(".a2"), 2);
    EXPECT_EQ(TypeChain(cat(), 0), Names({".a1", ".a3"}));
    EXPECT_EQ(TypeChain(cat(), 2), Names({".c1", ".a2"}));
    EXPECT_EQ(AllChain(cat()), Names({".a1", ".b1", ".c1", ".b2", ".a3", ".a2"}));
}

TEST_F(RemoveExtTest, MovingAnExtensionToItsOwnTypePutsItLast) {
    addThreeTypes();
    cat().RemoveExt(0, ".a1");
    cat().AppendExt(0, ".a1");

    EXPECT_EQ(TypeChain(cat(), 0), Names({".a2", ".a3", ".a1"}));
    EXPECT_EQ(cat().ExtHead->Name, ".b1");
}

}  // namespace
}  // namespace cataloguetest
