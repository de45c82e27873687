// The rule by which every designed length grows with the display's scale, and which made
// picture each scale draws.

#include <gtest/gtest.h>

#include "base/DpiScale.h"

namespace {

struct ScaleCase {
    int designed, dpi, shown;
};

TEST(DpiScaleTest, ScalesEveryLengthByOneRuleRoundingHalfAwayFromZero) {
    const ScaleCase cases[] = {
        {690, 96, 690},       {11, 96, 11},     {0, 144, 0},      // the design itself, and nothing
        {36, 144, 54},        {32, 144, 48},    {32, 192, 64},    // rows and icons at 150 and 200 %
        {35, 144, 53},        {243, 144, 365},  {11, 144, 17},    // halves go up
        {13, 120, 16},        {11, 120, 14},    {436, 168, 763},  // 125 % and 175 %
        {1, 144, 2},          {1, 120, 1},      {3, 72, 2},       // the smallest lengths
        {-5, 144, -8},        {-3, 144, -5},    {-1, 120, -1},    // negative halves go down
        {32000, 480, 160000}, {690, 192, 1380},                   // large lengths and scales
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScaleLength(c.designed, c.dpi), c.shown) << c.designed << " at " << c.dpi;
}

TEST(DpiScaleTest, DrawsTheSmallestMadePictureThatIsLargeEnough) {
    const std::pair<int, int> cases[] = {{96, 100},  {72, 100},  {120, 150}, {144, 150},
                                         {168, 200}, {192, 200}, {288, 200}};
    for (const auto& [dpi, scale] : cases) EXPECT_EQ(PictureScaleFor(dpi), scale) << dpi;
}

}  // namespace
