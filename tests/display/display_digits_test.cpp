// SPDX-License-Identifier: MIT
#include "display/number_text.h"

#include <gtest/gtest.h>

#include <string>

#include "support/row_name.h"

namespace {

// The text the display is left with for a value: Normal mode limits the plain text, the
// other modes format by their pattern; the result is then fitted to fifteen positions.
std::string DisplayedText(double value, const std::string& modePattern) {
    const std::string text =
        modePattern.empty() ? LimitSignificantDigits(PlainText(value)) : FormatPattern(value, modePattern);
    return FitDisplayText(text);
}

struct ShownCase {
    const char* name;
    double value;
    std::string pattern;  // "" for Normal mode
    const char* expected;
};

class DisplayShownText : public testing::TestWithParam<ShownCase> {};

TEST_P(DisplayShownText, FitsFifteenPositions) {
    EXPECT_EQ(DisplayedText(GetParam().value, GetParam().pattern), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DisplayShownText,
    testing::Values(ShownCase{"Zero", 0.0, "", "0."}, ShownCase{"Whole", 5.0, "", "5."},
                    ShownCase{"FifteenDigits", 123456789012345.0, "", "123456789012345."},
                    ShownCase{"TwoThirdsFourteenDecimals", 2.0 / 3.0, "", "0.66666666666667"},
                    ShownCase{"MinusTwoThirds", -2.0 / 3.0, "", "-0.66666666666667"},
                    ShownCase{"FifteenDigitHalfAway", 0.123456789012345, "", "0.12345678901235"},
                    ShownCase{"SmallestDecimal", 0.0001, "", "0.0001"},
                    ShownCase{"ExponentForm", 0.00001, "", "1.E-05"},
                    ShownCase{"ExponentWithDecimals", 1.5e20, "", "1.5E+20"},
                    // Integer digits are counted as written: no rounding up to one more digit.
                    ShownCase{"NinesOneIntegerDigit", 9.99999999999999, "", "9.99999999999999"},
                    ShownCase{"NinesTwoIntegerDigits", 99.9999999999999, "", "99.9999999999999"},
                    ShownCase{"NegativeNines", -9.99999999999999, "", "-9.99999999999999"},
                    ShownCase{"FixedTwoThirds", 2.0 / 3.0, "0.00", "0.67"},
                    ShownCase{"FixedNoDecimals", 3.14159, "0.", "3."},
                    ShownCase{"FixedHugeFallsBackToExponent", 1e20, "0.00", "1.E+20"},
                    ShownCase{"FixedDropsTrailingZeros", 123456789.123, "0.000000000", "123456789.123"},
                    ShownCase{"FixedFourteenFitting", -0.5, "0.00000000000000", "-0.50000000000000"},
                    ShownCase{"FixedFourteenTooLong", 1234567.5, "0.00000000000000", "1234567.5"},
                    ShownCase{"Scientific", 12345.0, "0.000E+00", "1.235E+04"},
                    ShownCase{"ScientificZero", 0.0, "0.00E+00", "0.00E+00"},
                    ShownCase{"ScientificFourteen", -2.0 / 3.0, "0.00000000000000E+00", "-6.66666666666667E-01"},
                    ShownCase{"Random", 0.5, "0.000", "0.500"}),
    RowName<ShownCase>);

struct TextCase {
    const char* name;
    const char* text;
    const char* expected;
};

class DisplayShortenText : public testing::TestWithParam<TextCase> {};

TEST_P(DisplayShortenText, Shortens) { EXPECT_EQ(ShortenDisplayText(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Cases, DisplayShortenText,
    testing::Values(TextCase{"FifteenDigitsUnchanged", "-123456789012345", "-123456789012345"},
                    TextCase{"TrailingZerosGo", "123456789.123000000", "123456789.123"},
                    TextCase{"StillLongAfterOneDecimal", "12345678901.12345", "12345678901.1234"},
                    TextCase{"LongFractionLimited", "0.1234567890123456789", "0.12345678901235"},
                    TextCase{"LongIntegerToExponent", "100000000000000000000.00", "1.E+20"},
                    TextCase{"NegativeLongInteger", "-1234567890123456789", "-1.23456789012346E+18"},
                    TextCase{"ExponentMantissaFits", "-1.23456789012345E-20", "-1.23456789012345E-20"},
                    TextCase{"ExponentMantissaCut", "1.2345678901234567E+20", "1.23456789012346E+20"}),
    RowName<TextCase>);

TEST(DisplayFitText, OnlyTextsOverFifteenPositionsAreShortened) {
    // Sign and point take no position; the minus of an exponent counts as a sign as well.
    EXPECT_EQ(FitDisplayText("-123456789012345."), "-123456789012345.");
    EXPECT_EQ(FitDisplayText("1.23456789012345E-20"), "1.23456789012345E-20");
    EXPECT_EQ(FitDisplayText("1234567890123456"), "1.23456789012346E+15");
    EXPECT_EQ(FitDisplayText("0.1234567890123456"), "0.12345678901235");
}

TEST(DisplayLimitDigits, KeepsTheExponentPartAsItIs) {
    EXPECT_EQ(LimitSignificantDigits("1.5E+20"), "1.5E+20");
    EXPECT_EQ(LimitSignificantDigits("1E-05"), "1.E-05");
    EXPECT_EQ(LimitSignificantDigits("123.450"), "123.45");
    EXPECT_EQ(LimitSignificantDigits("-0"), "0.");
    EXPECT_EQ(LimitSignificantDigits("1234567890123456"), "1234567890123460.");
}

}  // namespace
