// SPDX-License-Identifier: MIT
#include "display/number_text.h"

#include <bit>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "support/row_name.h"

namespace {

struct PlainCase {
    const char* name;
    double value;
    const char* expected;
};

class NumberPlainText : public testing::TestWithParam<PlainCase> {};

TEST_P(NumberPlainText, WritesFifteenDigitsInShortestForm) {
    EXPECT_EQ(PlainText(GetParam().value), GetParam().expected);
}

constexpr double kMax = std::numeric_limits<double>::max();

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberPlainText,
    testing::Values(PlainCase{"Zero", 0.0, "0"}, PlainCase{"NegativeZero", -0.0, "0"},
                    PlainCase{"NegativeWhole", -120.0, "-120"}, PlainCase{"TwoThirds", 2.0 / 3.0, "0.666666666666667"},
                    PlainCase{"MinusTwoThirds", -2.0 / 3.0, "-0.666666666666667"},
                    PlainCase{"BinaryNoiseDropped", 0.1 + 0.2, "0.3"}, PlainCase{"SmallestDecimal", 0.0001, "0.0001"},
                    PlainCase{"BelowDecimalRange", 0.00001, "1E-05"},
                    PlainCase{"RoundsUpIntoDecimalRange", 0.00009999999999999995, "0.0001"},
                    PlainCase{"StaysBelowDecimalRange", 0.0000999999999999999, "9.99999999999999E-05"},
                    PlainCase{"FifteenIntegerDigits", 123456789012345.0, "123456789012345"},
                    PlainCase{"TenToFifteen", 1e15, "1E+15"},
                    PlainCase{"RoundsUpOutOfDecimalRange", 999999999999999.5, "1E+15"},
                    PlainCase{"RoundsDownInsideDecimalRange", 999999999999999.4, "999999999999999"},
                    PlainCase{"MantissaWithDecimals", 1.5e20, "1.5E+20"},
                    PlainCase{"ThreeDigitExponent", 1e100, "1E+100"}, PlainCase{"Exponent99", 1e99, "1E+99"},
                    PlainCase{"ExponentMinus99", 1e-99, "1E-99"}, PlainCase{"NegativeTiny", -1e-100, "-1E-100"},
                    PlainCase{"Subnormal", 5e-324, "4.94065645841247E-324"},
                    PlainCase{"LargestDouble", kMax, "1.79769313486232E+308"},
                    // Exact binary halves at the 16th digit go away from zero, not to even.
                    PlainCase{"HalfUpOddDigit", 123456789012345.5, "123456789012346"},
                    PlainCase{"HalfUpEvenDigit", 123456789012344.5, "123456789012345"},
                    PlainCase{"NegativeHalf", -123456789012344.5, "-123456789012345"},
                    PlainCase{"WholeHalf", 1234567890123445.0, "1.23456789012345E+15"},
                    // Written 2.421072493769445 but stored as 2.42107249376944499985...: below the half.
                    PlainCase{"JustBelowHalf", 2.421072493769445, "2.42107249376944"},
                    PlainCase{"NoiseBeyondSixteenthDigit", 1.0000000000000005, "1"},
                    PlainCase{"CarryThroughNines", 9.999999999999996, "10"},
                    PlainCase{"Infinity", std::numeric_limits<double>::infinity(), "1E+999"},
                    PlainCase{"MinusInfinity", -std::numeric_limits<double>::infinity(), "-1E+999"},
                    PlainCase{"NotANumber", std::numeric_limits<double>::quiet_NaN(), "1E+999"}),
    RowName<PlainCase>);

// Away from exact ties, 15-digit rounding must agree with the C library's correctly rounded
// conversion at every magnitude.
TEST(NumberPlainTextAgreement, MatchesCorrectRoundingOfRandomValues) {
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-99, 99);
    for (int i = 0; i < 20000; ++i) {
        const double value = (i % 2 ? -1 : 1) * mantissa(random) * std::pow(10.0, exponent(random));
        // Exact ties (a binary value ending in ...5 at the 16th digit) round to even in the C
        // library; they have their own cases above.
        char exact[64];
        std::snprintf(exact, sizeof exact, "%.40e", std::fabs(value));
        if (std::string(exact + 16, exact + 42) == "5" + std::string(25, '0')) continue;
        char reference[40];
        std::snprintf(reference, sizeof reference, "%.14e", value);
        ASSERT_EQ(ReadNumber(PlainText(value)), std::strtod(reference, nullptr))
            << reference << " " << PlainText(value);
    }
}

// The shortcut for values that already have 15 digits or fewer gives the very bits of the text
// round trip, for keyed-looking values, long ones, exact ties and the edges of the range.
TEST(NumberShownDigits, AgreesBitForBitWithTheTextRoundTrip) {
    std::vector<double> values{-0.0,
                               0.5,
                               0.1 + 0.2,
                               1.0 / 3,
                               123456789012344.5,
                               123456789012345.5,
                               1E-300,
                               4.9E-324,
                               1.7976931348623157E308,
                               1E15,
                               999999999999999.9,
                               1.25E-5,
                               -2.5E22};
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> digits(1, 17), exponent(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        const double whole = std::floor(std::pow(10.0, digits(random)) * std::generate_canonical<double, 64>(random));
        values.push_back((i % 2 ? -1 : 1) * whole * std::pow(10.0, exponent(random)));
        values.push_back(std::bit_cast<double>(random() >> 1));
    }
    for (double value : values) {
        if (!std::isfinite(value)) continue;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(AtShownDigits(value)),
                  std::bit_cast<std::uint64_t>(ReadNumber(PlainText(value))))
            << PlainText(value);
    }
}

struct PatternCase {
    const char* name;
    double value;
    std::string pattern;
    const char* expected;
};

class NumberFormatPattern : public testing::TestWithParam<PatternCase> {};

TEST_P(NumberFormatPattern, Formats) {
    EXPECT_EQ(FormatPattern(GetParam().value, GetParam().pattern), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberFormatPattern,
    testing::Values(
        PatternCase{"FixedTwoThirds", 2.0 / 3.0, "0.00", "0.67"},
        PatternCase{"FixedZeroKeepsPoint", 3.14159, "0.", "3."},
        PatternCase{"FixedHuge", 1e20, "0.00", "100000000000000000000.00"},
        PatternCase{"BeyondFifteenDigitsWritesZeros", 123456789012345678.0, "0.", "123456789012346000."},
        PatternCase{"FixedPadsDecimals", 123456789.123, "0.000000000", "123456789.123000000"},
        PatternCase{"RoundsToZeroWithoutMinus", -0.001, "0.00", "0.00"},
        PatternCase{"NegativeZeroWithoutMinus", -0.0, "0.00", "0.00"},
        PatternCase{"NegativeHalfAway", -0.005, "0.00", "-0.01"}, PatternCase{"ExactHalfAway", 0.125, "0.00", "0.13"},
        // 2.675 is stored just below the half; at 15 digits it is 2.675 exactly.
        PatternCase{"HalfOfFifteenDigitValue", 2.675, "0.00", "2.68"}, PatternCase{"IntegerHalf", 2.5, "0", "3"},
        PatternCase{"NegativeIntegerHalf", -2.5, "0", "-3"}, PatternCase{"IntegerRoundsUp", 9.7, "0", "10"},
        PatternCase{"CarryIntoNewDigit", 0.99999999999999994, "0.##", "1."},
        PatternCase{"Random", 0.5, "0.000", "0.500"}, PatternCase{"HashDropsTrailingZeros", 3.0, "0.##", "3."},
        PatternCase{"HashKeepsSignificant", 1.0 / 3.0, "0.#############", "0.3333333333333"},
        PatternCase{"AtLeastOneDecimal", 1.0, "0.0" + std::string(100, '#'), "1.0"},
        PatternCase{"AtLeastOneDecimalMore", 0.125, "0.0" + std::string(100, '#'), "0.125"},
        PatternCase{"Scientific", 12345.0, "0.000E+00", "1.235E+04"},
        PatternCase{"ScientificZero", 0.0, "0.00E+00", "0.00E+00"},
        PatternCase{"ScientificNegativeZero", -0.0, "0.00E+00", "0.00E+00"},
        PatternCase{"ScientificCarryMovesExponent", 9.996, "0.00E+00", "1.00E+01"},
        PatternCase{"ScientificNegative", -0.000123456, "0.00E+00", "-1.23E-04"},
        PatternCase{"ScientificThreeDigitExponent", 1e-100, "0.0E+00", "1.0E-100"},
        PatternCase{"ScientificNoDecimals", 1e100, "0.E+00", "1.E+100"},
        PatternCase{"FullTextForm", 1234.5, "0." + std::string(100, '#') + "E+00", "1.2345E+03"},
        PatternCase{"FullTextWhole", 1.0, "0." + std::string(100, '#') + "E+00", "1.E+00"},
        PatternCase{"FullTextFifteenDigits", 2.0 / 3.0, "0." + std::string(100, '#') + "E+00", "6.66666666666667E-01"},
        PatternCase{"NonFinite", std::numeric_limits<double>::infinity(), "0.00", "1E+999"}),
    RowName<PatternCase>);

TEST(NumberFormatPatternText, ReadsTheTextFirst) {
    EXPECT_EQ(FormatPattern(std::string_view("123.450"), "0.############"), "123.45");
    EXPECT_EQ(FormatPattern(std::string_view("12.345"), "0.00"), "12.35");
    EXPECT_EQ(FormatPattern(std::string_view("*Infinity*"), "0.0"), "0.0");
    EXPECT_EQ(FormatPattern(std::string_view("1.5E+20"), "0." + std::string(100, '#') + "E+00"), "1.5E+20");
}

struct ReadCase {
    const char* name;
    std::string text;
    double value;
    bool whole;  // ReadsAsNumber
};

class NumberReading : public testing::TestWithParam<ReadCase> {};

TEST_P(NumberReading, ReadsTheLeadingNumber) {
    const double value = ReadNumber(GetParam().text);
    EXPECT_EQ(value, GetParam().value);
    EXPECT_FALSE(std::signbit(value) && value == 0) << "negative zero";
    EXPECT_EQ(ReadsAsNumber(GetParam().text), GetParam().whole);
}

const std::string kMidpointAboveOne = "1.00000000000000011102230246251565404236316680908203125";

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberReading,
    testing::Values(
        ReadCase{"TrailingPoint", "12.", 12, true}, ReadCase{"ErrorText", "*Infinity*", 0, false},
        ReadCase{"Empty", "", 0, false}, ReadCase{"PointOnly", ".", 0, false}, ReadCase{"Exponent", "1E+05", 1e5, true},
        ReadCase{"Blanks", " -3 ", -3, true}, ReadCase{"BlanksInside", "1 2 . 5", 12.5, true},
        ReadCase{"LeadingPoint", "-.5", -0.5, true}, ReadCase{"PlusSign", "+7", 7, true},
        ReadCase{"StopsAtOtherCharacter", "3.5x", 3.5, false}, ReadCase{"SecondPoint", "1.2.3", 1.2, false},
        ReadCase{"ExponentWithoutDigits", "1E", 1, false}, ReadCase{"ExponentSignOnly", "2E+", 2, false},
        ReadCase{"NoMantissa", "E5", 0, false}, ReadCase{"DoubleSign", "--1", 0, false},
        ReadCase{"SignOnly", "-", 0, false}, ReadCase{"Word", "Error", 0, false},
        ReadCase{"NegativeZero", "-0", 0, true}, ReadCase{"Overflow", "1e999", kMax, true},
        ReadCase{"NegativeOverflow", "-1e999", -kMax, true}, ReadCase{"JustAboveLargest", "1.8e308", kMax, true},
        ReadCase{"EndlessExponent", "1E+99999999999999999999", kMax, true}, ReadCase{"Underflow", "1e-999", 0, true},
        ReadCase{"NegativeUnderflow", "-1e-400", 0, true}, ReadCase{"Subnormal", "4.94065645841247E-324", 5e-324, true},
        ReadCase{"LongInteger", "1" + std::string(400, '0'), kMax, true},
        ReadCase{"LongFraction", "0." + std::string(30, '0') + "25", 25e-32, true},
        // Digits far beyond what is kept still tip an exact midpoint upward.
        ReadCase{"DigitsPastTheKeptOnes", kMidpointAboveOne + std::string(900, '0') + "1", 1.0000000000000002, true},
        ReadCase{"ExactMidpointToEven", kMidpointAboveOne, 1.0, true}),
    RowName<ReadCase>);

TEST(NumberExponentOf, ReadsTheNumberAfterTheFirstE) {
    EXPECT_EQ(ExponentOf("1.5E+20"), 20);
    EXPECT_EQ(ExponentOf("1E-05"), -5);
    EXPECT_EQ(ExponentOf("1e+100"), 100);
    EXPECT_EQ(ExponentOf("123.45"), 0);
    EXPECT_EQ(ExponentOf("-1E+999"), 999);
    EXPECT_EQ(ExponentOf("1E+99999999999999"), 1000000);
}

TEST(NumberHelpers, RealModKeepsTheSignOfTheDividend) {
    EXPECT_EQ(RealMod(-370, 360), -10);
    EXPECT_EQ(RealMod(370, 360), 10);
    EXPECT_EQ(RealMod(370, -360), 10);
    EXPECT_EQ(RealMod(-7.5, 2), -1.5);
}

TEST(NumberHelpers, MinAndMaxScanTheArray) {
    const std::vector<double> values{3, -1, 2};
    EXPECT_EQ(MinOf(values), -1);
    EXPECT_EQ(MaxOf(values), 3);
    EXPECT_EQ(MinOf(std::span<const double>(values).first(1)), 3);
    EXPECT_EQ(MinOf({}), 0);
    EXPECT_EQ(MaxOf({}), 0);
}

TEST(NumberHelpers, EqualAtDecimalsComparesTheFormattedValues) {
    EXPECT_TRUE(EqualAtDecimals(1.004, 1.0, 2));
    EXPECT_FALSE(EqualAtDecimals(1.005, 1.0, 2));
    EXPECT_TRUE(EqualAtDecimals(0.1 + 0.2, 0.3, 14));
    EXPECT_TRUE(EqualAtDecimals(-0.001, 0.001, 2));
    EXPECT_FALSE(EqualAtDecimals(1.4, 1.6, -1));
    EXPECT_TRUE(EqualAtDecimals(1.4, 0.6, -3));
}

}  // namespace
