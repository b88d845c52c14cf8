// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/calculator.h"
#include "functions/fraction_text.h"
#include "support/key_case.h"
#include "support/key_driver.h"
#include "support/row_name.h"

namespace {

class FractionKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(FractionKeys, ShowFractionOrValue) { EXPECT_EQ(DisplayAfter(GetParam().keys), GetParam().display); }

INSTANTIATE_TEST_SUITE_P(
    Entry, FractionKeys,
    testing::Values(
        KeyCase{"MixedFraction", "3 Frc 1 Frc 4", "3 1/4.|"},
        KeyCase{"ThirdSeparatorIgnored", "3 Frc 1 Frc 4 Frc", "3 1/4.|"},
        KeyCase{"MixedFractionValue", "3 Frc 1 Frc 4 equal", "3.25|"},
        KeyCase{"SimpleFractionValue", "3 Frc 4 equal", "0.75|"}, KeyCase{"SignToggles", "3 Frc 4 PM equal", "-0.75|"},
        KeyCase{"SignTogglesBack", "3 Frc 4 PM PM equal", "0.75|"},
        KeyCase{"NoEmptyPart", "3 Frc Frc 4 equal", "0.75|"}, KeyCase{"PointIgnored", "3 Frc dot 4", "3/4.|"},
        KeyCase{"PiIgnored", "3 Frc PI 4", "3/4.|"}, KeyCase{"FunctionOfFraction", "1 Frc 4 Sqrt", "0.5|"},
        KeyCase{"FractionInFormula", "2 plus 1 Frc 2 equal", "2.5|"},
        KeyCase{"DecimalCannotStart", "3 dot 5 Frc 4", "3.54|"}, KeyCase{"ZeroCannotStart", "0 Frc 4", "4.|"},
        KeyCase{"ExponentCannotStart", "3 exp 2 Frc 4", "3.| 24"},
        KeyCase{"ZeroDenominatorAtOperator", "3 Frc 0 plus", "*Divide by Zero*|"},
        KeyCase{"ZeroDenominatorAtFunction", "3 Frc 0 Sqrt", "*Divide by Zero*|"},
        KeyCase{"MissingDenominatorAtEquals", "3 Frc 1 Frc equal", "*Divide by Zero*|"},
        KeyCase{"DigitsLimited", "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 Frc 1 2", "123456789012345/.|"}),
    RowName<KeyCase>);

INSTANTIATE_TEST_SUITE_P(Erase, FractionKeys,
                         testing::Values(KeyCase{"Denominator", "3 Frc 1 Frc 4 Ers", "3 1/.|"},
                                         KeyCase{"Separator", "3 Frc 1 Frc 4 Ers Ers", "3/1.|"},
                                         KeyCase{"Numerator", "3 Frc 1 Frc 4 Ers Ers Ers", "3/.|"},
                                         KeyCase{"LastSeparatorEndsFraction", "3 Frc 1 Frc 4 Ers Ers Ers Ers", "3.|"},
                                         KeyCase{"ThenOrdinaryEntry", "3 Frc 1 Frc 4 Ers Ers Ers Ers 5", "35.|"},
                                         KeyCase{"ThenItsValue", "3 Frc 4 Ers Ers Sqr", "9.|"},
                                         KeyCase{"KeepsSign", "3 Frc 1 PM Ers Ers equal", "-3.|"}),
                         RowName<KeyCase>);

INSTANTIATE_TEST_SUITE_P(
    Convert, FractionKeys,
    testing::Values(
        KeyCase{"Terminating", "dot 7 5 Dc", "3/4.|"}, KeyCase{"ImproperViewIsTheSame", "dot 7 5 Dc Dc", "3/4.|"},
        KeyCase{"MixedThenImproper", "2 dot 2 5 Dc Dc", "9/4.|"},
        KeyCase{"ViewsAlternate", "2 dot 2 5 Dc Dc Dc", "2 1/4.|"}, KeyCase{"OneThird", "1 divide 3 equal Dc", "1/3.|"},
        KeyCase{"TwoThirds", "2 divide 3 equal Dc", "2/3.|"}, KeyCase{"OneSeventh", "1 divide 7 equal Dc", "1/7.|"},
        KeyCase{"RepeatingPair", "4 divide 3 3 equal Dc", "4/33.|"}, KeyCase{"OneTenth", "dot 1 Dc", "1/10.|"},
        KeyCase{"NegativeMixed", "1 dot 5 PM Dc", "-1 1/2.|"},
        KeyCase{"NegativeImproper", "1 dot 5 PM Dc Dc", "-3/2.|"}, KeyCase{"WholeNumberStaysNumber", "5 Dc", "5.|"},
        KeyCase{"NearlyWholeIsSnapped", "2 dot 9 9 9 9 9 9 9 9 9 9 9 9 9 Dc", "3.|"},
        KeyCase{"TooLongUnchanged", "dot 1 2 3 4 5 6 7 8 9 Dc", "0.123456789|"},
        KeyCase{"BeyondDivisorRangeUnchanged", "1 divide 6 equal Dc", "0.16666666666667|"},
        KeyCase{"ExponentFormUnchanged", "1 exp 5 PM Dc", "1.|-05"},
        KeyCase{"ExponentFormResultUnchanged", "1 divide 3 exp 2 0 equal Dc", "3.33333333333333|-21"},
        KeyCase{"KeyedFractionReduced", "6 Frc 8 Dc", "3/4.|"}, KeyCase{"KeyedWholeResult", "3 Frc 2 Frc 2 Dc", "4.|"},
        KeyCase{"KeyedMixedImproper", "1 Frc 2 Frc 4 Dc Dc", "3/2.|"},
        KeyCase{"KeyedFractionStillOpen", "6 Frc 8 Dc equal", "0.75|"},
        KeyCase{"ValueUnchanged", "dot 7 5 Dc plus 1 equal", "1.75|"},
        KeyCase{"ErrorStays", "5 divide 0 equal Dc", "*Divide by Zero*|"}),
    RowName<KeyCase>);

TEST(FractionText, ValueAndImproperForm) {
    Calculator calc;
    EXPECT_EQ(FractionValue(calc, "3/1/4"), ValueCell(3.25));
    EXPECT_EQ(calc.views.ImproperFractionText, ValueCell("13/4"));
    EXPECT_EQ(FractionValue(calc, "-3/1/4"), ValueCell(-3.25));
    EXPECT_EQ(calc.views.ImproperFractionText, ValueCell("-13/4"));
    EXPECT_EQ(FractionValue(calc, "-3/4"), ValueCell(-0.75));
    EXPECT_EQ(calc.views.ImproperFractionText, ValueCell("-3/4"));
    EXPECT_EQ(FractionValue(calc, "3/0"), ValueCell("Error"));
    EXPECT_EQ(FractionValue(calc, "3/1/"), ValueCell("Error"));
    EXPECT_EQ(FractionValue(calc, "3/x"), ValueCell("Error"));
}

TEST(FractionText, GcdWithinTheIntegerRange) {
    EXPECT_EQ(Gcd(12, 18), 6);
    EXPECT_EQ(Gcd(7, 0), 0);
    EXPECT_EQ(Gcd(142857, 999999), 142857);
    EXPECT_EQ(Gcd(2147483647, 1), 1);
    EXPECT_EQ(Gcd(2147483648.0, 1), std::nullopt);
    EXPECT_EQ(Gcd(1, 1e14), std::nullopt);
}

TEST(FractionText, RepeatingBlockFromTheStart) {
    EXPECT_EQ(FindRepeatingBlock(1.0 / 3).block, "3");
    EXPECT_EQ(FindRepeatingBlock(1.0 / 7).period, 6);
    EXPECT_EQ(FindRepeatingBlock(1.0 / 7).block, "142857");
    EXPECT_EQ(FindRepeatingBlock(-4.0 / 33).block, "12");
    EXPECT_EQ(FindRepeatingBlock(1.0 / 6).period, -1);
    EXPECT_EQ(FindRepeatingBlock(0.75).period, -1);
}

}  // namespace
