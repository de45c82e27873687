// The 4096-slot limit of the file-type table.

#include "CatalogueRecorders.h"

namespace cataloguetest {
namespace {

class TableFullTest : public CatalogueFixture {
protected:
    // Types "type0" .. "type<n-1>", each with the one extension ".e<i>"; every fourth has an
    // icon location, the rest take the fallback icon.
    void fill(int n) {
        for (int i = 0; i < n; ++i) {
            const std::string s = std::to_string(i);
            cat().AddEntry(".e" + s, "type" + s, "Type " + s, i % 4 == 0 ? "C:\\i.dll," + s : "");
        }
    }
};

TEST_F(TableFullTest, TheLastFreeSlotIsStillFilled) {
    fill(kMaxEntries - 1);
    cat().AddEntry(".last", "lasttype", "Last", "");

    EXPECT_EQ(cat().EntryCount, kMaxEntries);
    EXPECT_EQ(entry(kMaxEntries - 1).Name, "lasttype");
    EXPECT_EQ(cat().FindExt(".last"), kMaxEntries - 1);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(TableFullTest, NewTypeShowsTheFullMessageAndAddsNoRow) {
    fill(kMaxEntries);
    const size_t iconsBefore = icons.extracts.size() + icons.fallbacks.size();
    cat().AddEntry(".new", "newtype", "New", "C:\\new.dll,1");

    EXPECT_EQ(view.messages, Names({"File Type Array Full! Contact the programmer!!!"}));
    EXPECT_EQ(cat().EntryCount, kMaxEntries);
    EXPECT_EQ(view.rows.size(), static_cast<size_t>(kMaxEntries));
    EXPECT_EQ(icons.extracts.size() + icons.fallbacks.size(), iconsBefore);
}

TEST_F(TableFullTest, RefusedExtensionIsNotFoundAndNotOnTheChain) {
    fill(kMaxEntries);
    TExt* tailBefore = cat().ExtTail;
    cat().AddEntry(".refused", "newtype", "New", "");

    EXPECT_EQ(cat().FindExt(".refused"), -1);
    EXPECT_EQ(cat().ExtTail, tailBefore);
    EXPECT_EQ(tailBefore->Next, nullptr);
    EXPECT_EQ(AllChain(cat()).size(), static_cast<size_t>(kMaxEntries));
}

TEST_F(TableFullTest, EveryLaterNewTypeExtensionShowsTheMessageOnce) {
    fill(kMaxEntries);
    cat().AddEntry(".x1", "newtype", "New", "");
    cat().AddEntry(".x2", "newtype", "New", "");
    cat().AddEntry(".x3", "othertype", "Other", "");

    EXPECT_EQ(view.messages.size(), 3u);
    for (const auto& m : view.messages) EXPECT_EQ(m, kTableFullMessage);
    EXPECT_EQ(cat().FindExt(".x1"), -1);
    EXPECT_EQ(cat().FindExt(".x2"), -1);
    EXPECT_EQ(cat().FindExt(".x3"), -1);
}

TEST_F(TableFullTest, ExtensionOfKnownTypeIsStillAppended) {
    fill(kMaxEntries);
    cat().AddEntry(".more", "type17", "ignored", "");
    cat().AddEntry(".last", "type4095", "ignored", "");

    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(TypeChain(cat(), 17), Names({".e17", ".more"}));
    EXPECT_EQ(TypeChain(cat(), 4095), Names({".e4095", ".last"}));
    EXPECT_EQ(cat().FindExt(".more"), 17);
    EXPECT_EQ(cat().ExtTail->Name, ".last");
}

TEST_F(TableFullTest, KnownTypeAfterARefusalStillWorks) {
    fill(kMaxEntries);
    cat().AddEntry(".refused", "newtype", "New", "");
    cat().AddEntry(".more", "type0", "ignored", "");

    EXPECT_EQ(AllChain(cat()).back(), ".more");
    EXPECT_EQ(cat().FindExt(".more"), 0);
    EXPECT_EQ(view.messages.size(), 1u);
}

TEST_F(TableFullTest, RemovingATypeFreesASlotForTheNextNewType) {
    fill(kMaxEntries);
    cat().RemoveExt(100, ".e100");
    cat().RemoveEntry(100);
    cat().AddEntry(".new", "newtype", "New", "");

    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(cat().EntryCount, kMaxEntries);
    EXPECT_EQ(cat().FindExt(".new"), kMaxEntries - 1);
    EXPECT_EQ(cat().FindExt(".e101"), 100);
}

TEST_F(TableFullTest, AppendTypeRefusesWithoutMessageOrIcon) {
    fill(kMaxEntries);
    const size_t extractsBefore = icons.extracts.size();

    EXPECT_EQ(cat().AppendType("New", "newtype", "C:\\n.ico", 0), -1);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(icons.extracts.size(), extractsBefore);
    EXPECT_EQ(cat().EntryCount, kMaxEntries);
}

TEST_F(TableFullTest, AppendExtStillWorksWhenFull) {
    fill(kMaxEntries);
    cat().AppendExt(4000, ".moved");

    EXPECT_EQ(cat().FindExt(".moved"), 4000);
}

TEST_F(TableFullTest, DestroyingAFullCatalogueReleasesEveryIconOnce) {
    fill(kMaxEntries);
    cat().AddEntry(".refused", "newtype", "New", "C:\\x.dll,0");
    const int issued = ledger().issued;
    destroyCatalogue();

    EXPECT_EQ(issued, kMaxEntries);
    ASSERT_EQ(ledger().released.size(), static_cast<size_t>(issued));
    std::vector<int> released = ledger().released;
    std::sort(released.begin(), released.end());
    for (int id = 0; id < issued; ++id) EXPECT_EQ(released[id], id);
}

}  // namespace
}  // namespace cataloguetest
