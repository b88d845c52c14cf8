// SPDX-License-Identifier: MIT
#include "core/value_cell.h"

#include <gtest/gtest.h>

TEST(ValueCell, EmptyNeverEqualsZero) {
    EXPECT_NE(ValueCell(), ValueCell(0.0));
    EXPECT_NE(ValueCell(), ValueCell("0"));
    EXPECT_EQ(ValueCell(""), ValueCell());
    EXPECT_TRUE(ValueCell("").IsEmpty());
    EXPECT_DOUBLE_EQ(ValueCell("12.5").Number(), 12.5);
    EXPECT_DOUBLE_EQ(ValueCell().Number(), 0.0);
}
