// The slots of a grid's icons, extracted a run at a time when they are first read: which runs
// are asked of the file, and that every icon is released once.

#include <gtest/gtest.h>

#include <cstddef>
#include <utility>
#include <vector>

#include "icons/IconSlots.h"

namespace {

// Icons are heap tokens holding their index in the file; released ones are counted.
struct Token {
    std::size_t index;
};
int released = 0;
void releaseToken(TIcon::Handle h) {
    ++released;
    delete static_cast<Token*>(h);
}
std::size_t indexOf(const TIcon& icon) {
    return static_cast<const Token*>(icon.get())->index;
}

using Asked = std::pair<std::size_t, std::size_t>;  // first icon, how many

// A file of icons; each call of the extraction is recorded as a run.
struct File {
    std::vector<Asked> runs;
    IconSlots::RunExtraction Extraction() {
        return [this](std::size_t first, std::span<TIcon> icons) {
            runs.emplace_back(first, icons.size());
            for (std::size_t i = 0; i < icons.size(); ++i)
                icons[i] = TIcon(new Token{first + i}, releaseToken);
        };
    }
};

struct ReadCase {
    const char* what;
    std::vector<Asked> reads;  // slot read, end of the run the reader names
    std::vector<Asked> runs;   // runs asked of the file
};

class IconSlotsRuns : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IconSlotsRuns, ReadsAskForTheRunsOfSlotsNotExtractedYet) {
    const ReadCase& c = GetParam();
    File file;
    IconSlots slots(16);
    slots.Assign(10, file.Extraction());
    std::size_t extracted = 0;
    for (const auto& [slot, runEnd] : c.reads) {
        const TIcon& icon = slots.Get(slot, [&] { return runEnd; });
        if (slot < 10) {
            EXPECT_EQ(indexOf(icon), slot) << c.what;
        } else {
            EXPECT_TRUE(icon.empty()) << c.what;
        }
    }
    EXPECT_EQ(file.runs, c.runs) << c.what;
    for (const Asked& r : c.runs) {
        extracted += r.second;
        for (std::size_t i = r.first; i < r.first + r.second; ++i)
            EXPECT_TRUE(slots.WasExtracted(i)) << c.what << ", slot " << i;
    }
    EXPECT_EQ(slots.ExtractedCount(), extracted) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IconSlotsRuns,
    ::testing::Values(
        ReadCase{"a screen from the top", {{0, 4}, {1, 4}, {3, 4}}, {{0, 4}}},
        ReadCase{"a run past the end of the file stops there", {{8, 20}}, {{8, 2}}},
        ReadCase{"a slot beyond the file asks for nothing", {{10, 12}, {15, 16}}, {}},
        ReadCase{"a run stops before a slot extracted already", {{3, 6}, {0, 8}}, {{3, 3}, {0, 3}}},
        ReadCase{"a run ending before its slot still gives the slot", {{5, 2}}, {{5, 1}}},
        ReadCase{"reading a slot alone gives it alone", {{9, 0}, {7, 8}}, {{9, 1}, {7, 1}}},
        ReadCase{"slots read again ask for nothing", {{2, 5}, {4, 9}, {2, 3}}, {{2, 3}}}));

TEST(IconSlots, EveryIconIsReleasedOnceByTheNextFileClearAndTheEnd) {
    released = 0;
    File file;
    {
        IconSlots slots(8);
        slots.Assign(20, file.Extraction());
        EXPECT_EQ(slots.IconCount(), 8u) << "the count is cut to the slots";
        slots.Get(0, [] { return 8; });
        slots.Assign(3, file.Extraction());
        EXPECT_EQ(released, 8) << "a new file releases the icons of the old";
        EXPECT_EQ(slots.ExtractedCount(), 0u);
        slots.Get(1, [] { return 3; });
        slots.Clear();
        EXPECT_EQ(released, 10);
        EXPECT_TRUE(slots.Held(1).empty());
        EXPECT_EQ(slots.IconCount(), 0u);
        for (size_t i = 0; i < slots.Capacity(); ++i) EXPECT_TRUE(slots.Held(i).empty()) << i;
        slots.Assign(2, file.Extraction());
        slots.Get(0, [] { return 2; });
    }
    EXPECT_EQ(released, 12);
    EXPECT_EQ(file.runs, (std::vector<Asked>{{0, 8}, {1, 2}, {0, 2}}));
}

TEST(IconSlots, WhereTheRunEndsIsAskedOnlyWhenASlotMustBeExtracted) {
    File file;
    IconSlots slots(4);
    slots.Assign(4, file.Extraction());
    int asked = 0;
    const auto runEnd = [&] {
        ++asked;
        return std::size_t{4};
    };
    for (std::size_t slot : {0, 1, 3, 2, 9}) slots.Get(slot, runEnd);
    EXPECT_EQ(asked, 1);
}

TEST(IconSlots, AnIconThatCannotBeExtractedIsNotAskedForAgain) {
    std::vector<Asked> runs;
    IconSlots slots(4);
    slots.Assign(4, [&](std::size_t first, std::span<TIcon> icons) {
        runs.emplace_back(first, icons.size());
    });
    EXPECT_TRUE(slots.Get(0, [] { return 4; }).empty());
    EXPECT_TRUE(slots.Get(2, [] { return 4; }).empty());
    EXPECT_EQ(runs, (std::vector<Asked>{{0, 4}}));
}

}  // namespace
