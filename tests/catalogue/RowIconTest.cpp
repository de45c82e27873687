// Row icons on demand: a type read by the scan gets its icon when its row is first drawn, and
// keeps it; a command's new icon is taken at once.

#include "CatalogueRecorders.h"
#include "icons/IconLocation.h"

namespace cataloguetest {
namespace {

class RowIconTest : public CatalogueFixture {
protected:
    // Types "t0" .. "t<n-1>" as the scan adds them; type k has the location "C:\k<k>.dll,<k>",
    // or none when noLocation holds for k.
    void scanTypes(
        int n, bool (*noLocation)(int) = [](int) { return false; }) {
        for (int k = 0; k < n; ++k) {
            const std::string s = std::to_string(k);
            cat().AddEntry(".e" + s, "t" + s, "Type " + s,
                           noLocation(k) ? "" : "C:\\k" + s + ".dll," + s, IconLoad::WhenDrawn);
        }
    }
    int asked() const { return static_cast<int>(icons.extracts.size() + icons.fallbacks.size()); }
};

TEST_F(RowIconTest, TheScanExtractsNothingAndKeepsEachLocation) {
    scanTypes(30, [](int k) { return k % 3 == 0; });

    EXPECT_EQ(asked(), 0);
    ASSERT_EQ(cat().EntryCount, 30);
    for (int k = 0; k < 30; ++k) {
        EXPECT_TRUE(entry(k).Icon.empty()) << k;
        EXPECT_EQ(entry(k).IconFile, k % 3 ? "C:\\k" + std::to_string(k) + ".dll" : kNoIconMarker);
        EXPECT_EQ(entry(k).IconIndex, k % 3 ? k : -1);
    }
    EXPECT_EQ(view.rows.size(), 30u);
}

TEST_F(RowIconTest, DrawingRowsZeroToElevenExtractsThoseTwelveAndNoOther) {
    scanTypes(30);
    for (int row = 0; row < 12; ++row) cat().RowIcon(row);

    ASSERT_EQ(icons.extracts.size(), 12u);
    for (int row = 0; row < 12; ++row) {
        EXPECT_EQ(icons.extracts[row].file, "C:\\k" + std::to_string(row) + ".dll");
        EXPECT_EQ(icons.extracts[row].index, row);
        EXPECT_EQ(IdOf(entry(row).Icon), icons.extracts[row].id);
    }
    for (int row = 12; row < 30; ++row) EXPECT_TRUE(entry(row).Icon.empty()) << row;
    EXPECT_TRUE(icons.fallbacks.empty());
}

TEST_F(RowIconTest, DrawingARowTwiceExtractsOnce) {
    rowsLeftToWindow = true;
    struct Case {
        const char* what;
        const char* location;
        bool extractGivesNothing;
        int extracts, fallbacks;
    };
    for (const Case& c : {Case{"an icon", "C:\\a.dll,2", false, 1, 0},
                          Case{"a missing icon", "C:\\gone.dll,0", true, 1, 0},
                          Case{"the fallback", "", false, 0, 1}}) {
        ledger().Reset();
        RecordingIcons source;
        source.extractGivesNothing = c.extractGivesNothing;
        TCatalogue catalogue(view, source);
        catalogue.AddEntry(".a", "a", "A", c.location, IconLoad::WhenDrawn);

        const TIcon& first = catalogue.RowIcon(0);
        const TIcon::Handle shown = first.get();
        EXPECT_EQ(catalogue.RowIcon(0).get(), shown) << c.what;
        EXPECT_EQ(static_cast<int>(source.extracts.size()), c.extracts) << c.what;
        EXPECT_EQ(static_cast<int>(source.fallbacks.size()), c.fallbacks) << c.what;
        EXPECT_TRUE(ledger().released.empty()) << c.what;
    }
}

TEST_F(RowIconTest, ANewIconFromACommandReplacesTheOldAndReleasesIt) {
    scanTypes(2);
    const int drawn = IdOf(cat().RowIcon(0));
    ASSERT_GE(drawn, 0);

    // Row 0 was drawn: its icon goes. Row 1 never was: nothing is extracted for it ever.
    cat().SetIcon(0, icons.Extract("C:\\new.icl", 7));
    cat().SetIcon(1, icons.Extract("C:\\new.icl", 8));
    const int second = icons.extracts[1].id, third = icons.extracts[2].id;

    EXPECT_EQ(ledger().released, std::vector<int>{drawn});
    EXPECT_EQ(IdOf(cat().RowIcon(0)), second);
    EXPECT_EQ(IdOf(cat().RowIcon(1)), third);
    EXPECT_EQ(icons.extracts.size(), 3u) << "drawing after a command extracts nothing";

    // LoadIcon on a row never drawn extracts at once, and the drawing after it nothing more.
    cat().AddEntry(".z", "z", "Z", "C:\\z.dll,1", IconLoad::WhenDrawn);
    cat().LoadIcon(2);
    cat().RowIcon(2);
    EXPECT_EQ(icons.extracts.size(), 4u);
    destroyCatalogue();
    for (int id = 0; id < ledger().issued; ++id) EXPECT_EQ(ReleaseCount(id), 1) << id;
}

// A new size of icons: every row lets its icon go and takes it again, as the source now gives
// it, when next drawn; a type without location the fallback again.
TEST_F(RowIconTest, ReloadingIconsReleasesEachAndExtractsItAgainWhenDrawn) {
    scanTypes(3, [](int k) { return k == 1; });
    const int drawn = IdOf(cat().RowIcon(0));
    cat().ReloadIcons();

    EXPECT_EQ(ledger().released, std::vector<int>{drawn});
    EXPECT_TRUE(entry(0).Icon.empty());
    for (int row = 0; row < 3; ++row) cat().RowIcon(row);
    ASSERT_EQ(icons.extracts.size(), 3u);
    EXPECT_EQ(icons.extracts[1].file, "C:\\k0.dll");
    EXPECT_EQ(icons.extracts[2].file, "C:\\k2.dll");
    EXPECT_EQ(icons.fallbacks.size(), 1u);
}

TEST_F(RowIconTest, RemovingATypeNeverDrawnExtractsAndReleasesNothing) {
    scanTypes(3);
    cat().RemoveExt(1, ".e1");
    cat().RemoveEntry(1);

    EXPECT_EQ(asked(), 0);
    EXPECT_TRUE(ledger().released.empty());
    cat().RowIcon(1);
    ASSERT_EQ(icons.extracts.size(), 1u);
    EXPECT_EQ(icons.extracts[0].file, "C:\\k2.dll") << "row 1 now shows the type that was in 2";
    EXPECT_TRUE(cat().RowIcon(2).empty());
    EXPECT_TRUE(cat().RowIcon(-1).empty());
    EXPECT_EQ(icons.extracts.size(), 1u);
}

}  // namespace
}  // namespace cataloguetest
