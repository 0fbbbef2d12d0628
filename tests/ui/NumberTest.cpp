#include <gtest/gtest.h>

#include "ui/Number.h"

using namespace ui;

TEST(Number, WholeFieldsRoundHalfToEven) {
    EXPECT_EQ(toU8(QStringLiteral("2.5")), 2);
    EXPECT_EQ(toU8(QStringLiteral("3.5")), 4);
    EXPECT_EQ(toI16(QStringLiteral("-2.5")), -2);
    EXPECT_EQ(toI32(QStringLiteral(" 7 ")), 7);
}
