#include <gtest/gtest.h>

#include "ui/Number.h"

using namespace ui;

TEST(Number, WholeFieldsRoundHalfToEven) {
    EXPECT_EQ(toU8(QStringLiteral("2.5")), 2);
    EXPECT_EQ(toU8(QStringLiteral("3.5")), 4);
    EXPECT_EQ(toU8(QStringLiteral("0.5")), 0);
    EXPECT_EQ(toI16(QStringLiteral("-2.5")), -2);
    EXPECT_EQ(toI32(QStringLiteral(" 7 ")), 7);
    EXPECT_EQ(toU8(QStringLiteral("255.4")), 255);
}

TEST(Number, OutOfRangeOrNoNumberIsAConversionError) {
    EXPECT_THROW(toU8(QStringLiteral("256")), Abandon);
    EXPECT_THROW(toU8(QStringLiteral("255.5")), Abandon);  // rounds to 256
    EXPECT_THROW(toU8(QStringLiteral("-1")), Abandon);
    EXPECT_THROW(toI16(QStringLiteral("32768")), Abandon);
    EXPECT_THROW(toI32(QStringLiteral("abc")), Abandon);
    EXPECT_THROW(toI32(QStringLiteral("")), Abandon);
    EXPECT_THROW(toI32(QStringLiteral("12abc")), Abandon);
    EXPECT_THROW(strictNumber(QStringLiteral("inf")), Abandon);
    EXPECT_THROW(strictNumber(QStringLiteral("nan")), Abandon);
}

TEST(Number, ShortestTextWithFifteenDigits) {
    EXPECT_EQ(numberText(4), QStringLiteral("4"));
    EXPECT_EQ(numberText(0.5), QStringLiteral("0.5"));
    EXPECT_EQ(numberText(107.05), QStringLiteral("107.05"));
    EXPECT_EQ(numberText(108.4 + 420 / 100.0), QStringLiteral("112.6"));
    EXPECT_EQ(numberText(114.32 + -1234 / 100.0), QStringLiteral("101.98"));
    EXPECT_EQ(numberText(-0.0), QStringLiteral("0"));
    EXPECT_EQ(numberText(-9500), QStringLiteral("-9500"));
    EXPECT_EQ(numberText(100000000000000.0), QStringLiteral("100000000000000"));
    EXPECT_EQ(numberText(12.34 * 100), QStringLiteral("1234"));
}

TEST(Number, LenientReadingTakesTheLeadingNumber) {
    EXPECT_EQ(leadingNumber(QStringLiteral("12abc")), 12);
    EXPECT_EQ(leadingNumber(QStringLiteral("  -3.5x")), -3.5);
    EXPECT_EQ(leadingNumber(QStringLiteral("abc")), 0);
    EXPECT_EQ(leadingNumber(QStringLiteral("")), 0);
    EXPECT_EQ(leadingNumber(QStringLiteral("1e3")), 1000);
}

TEST(Number, ThirtyTwoBitArithmeticDetectsOverflow) {
    EXPECT_EQ(addI32(2147483000, 647), 2147483647);
    EXPECT_THROW(addI32(2147483647, 1), Abandon);
    EXPECT_THROW(mulI32(100000, 100000), Abandon);
}

// The quick readings of plain whole numbers must agree with the general ones.
TEST(Number, QuickWholeNumbersAgreeWithTheGeneralForms) {
    for (double v : {1.0, -1.0, 7.0, 101.0, -450.0, 10000.0, 999999999999999.0, -999999999999999.0,
                     1e15, -1e15, 1e16, 123456789012345.0, 0.5, 107.05, -0.25, 1e-7})
        EXPECT_EQ(ui::numberText(v), QString::number(v, 'g', 15)) << v;
    for (const char* t : {"0", "-0", "+5", "0007", "-12", "999999999999999", "1234567890123456",
                          "12345678901234567", " 5", "5 ", "5.", "-", "+", "1e3", "--1", "٣"}) {
        const QString text = QString::fromUtf8(t);
        bool ok = false;
        const double general = text.trimmed().toDouble(&ok);
        EXPECT_EQ(ui::isNumber(text), ok) << t;
        if (ok) {
            EXPECT_EQ(ui::strictNumber(text), general) << t;
        }
    }
}
