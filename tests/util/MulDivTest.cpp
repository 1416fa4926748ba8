#include "util/MulDiv.h"

#include <gtest/gtest.h>

using vm::MulDiv;

TEST(MulDiv, RoundsHalvesAwayFromZero)
{
    EXPECT_EQ(MulDiv(1, 1, 2), 1);
    EXPECT_EQ(MulDiv(-1, 1, 2), -1);
    EXPECT_EQ(MulDiv(1, -3, 2), -2);
    EXPECT_EQ(MulDiv(10, 10, 3), 33);
    EXPECT_EQ(MulDiv(5, 1, -2), -3);
    EXPECT_EQ(MulDiv(-5, -1, -2), -3);
}

TEST(MulDiv, UsesA64BitProduct)
{
    EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);
    EXPECT_EQ(MulDiv(3840, 2160 * 1000, 1000), 3840 * 2160);
}

TEST(MulDiv, ZeroDivisorGivesMinusOne)
{
    EXPECT_EQ(MulDiv(5, 5, 0), -1);
}
