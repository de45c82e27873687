#include "registry/KeyName.h"

#include <gtest/gtest.h>

TEST(KeyName, KeyNamesCompareAsTheRegistryDoes) {
    EXPECT_TRUE(SameKeyName("txtfile", "TXTFILE"));
    EXPECT_TRUE(SameKeyName("", ""));
    EXPECT_FALSE(SameKeyName("txtfile", "txtfile2"));
    EXPECT_FALSE(SameKeyName("a", ""));
}
