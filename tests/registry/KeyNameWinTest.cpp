#include "registry/KeyName.h"

#include <gtest/gtest.h>

TEST(KeyName, KeyNamesCompareAsTheRegistryDoes) {
    EXPECT_TRUE(SameRegistryName("txtfile", "TXTFILE"));
    EXPECT_TRUE(SameRegistryName("", ""));
    EXPECT_FALSE(SameRegistryName("txtfile", "txtfile2"));
    EXPECT_FALSE(SameRegistryName("a", ""));
}
