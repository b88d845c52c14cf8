// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "functions/snapping.h"
#include "support/key_case.h"
#include "support/key_driver.h"
#include "support/row_name.h"

namespace {

class UnaryFunctionKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(UnaryFunctionKeys, ShowResultOrReason) { EXPECT_EQ(DisplayAfter(GetParam().keys), GetParam().display); }

INSTANTIATE_TEST_SUITE_P(
    Table, UnaryFunctionKeys,
    testing::Values(
        KeyCase{"SquareOfTwo", "2 Sqr", "4.|"}, KeyCase{"SquareBeyondDisplay", "1 exp 6 0 Sqr", "*Infinity*|"},
        KeyCase{"SquareRoot", "2 Sqrt", "1.4142135623731|"},
        KeyCase{"SquareRootOfNegative", "4 PM Sqrt", "*Undefined*|"}, KeyCase{"CubeKeepsSign", "2 PM Cube", "-8.|"},
        KeyCase{"CubeRootOfNegative", "8 PM Cubt", "-2.|"},
        KeyCase{"CubeRootIsExact", "1 exp 3 0 Cubt", "10000000000.|"}, KeyCase{"LogOfThousand", "1 0 0 0 Log", "3.|"},
        KeyCase{"LogOfZero", "0 Log", "*Out of Range*|"}, KeyCase{"LogOfNegative", "1 PM Log", "*Out of Range*|"},
        KeyCase{"AntilogAtDisplayLimit", "1 0 0 aLog", "*Infinity*|"},
        KeyCase{"AntilogOverflow", "4 0 0 aLog", "*Undefined*|"}, KeyCase{"AntilogSmall", "2 PM aLog", "0.01|"},
        KeyCase{"NaturalLog", "1 0 Ln", "2.30258509299405|"}, KeyCase{"ExponentialOfOne", "1 aLn", "2.71828182845905|"},
        KeyCase{"ExponentialOverflow", "7 1 0 aLn", "*Undefined*|"},
        KeyCase{"ExponentialUnderflowShowsZero", "3 0 0 PM aLn", "0.|"},
        KeyCase{"ReciprocalOfThree", "3 Rcp", "0.33333333333333|"},
        KeyCase{"ReciprocalOfZero", "0 Rcp", "*Divide by Zero*|"}, KeyCase{"FactorialOfZero", "0 Fact", "1.|"},
        KeyCase{"FactorialOfTwenty", "2 0 Fact", "2.43290200817664| 18"},
        KeyCase{"LargestFactorialShown", "6 9 Fact", "1.71122452428141| 98"},
        KeyCase{"FactorialBeyondDisplay", "7 0 Fact", "*Infinity*|"},
        KeyCase{"FactorialBeyondDouble", "1 7 1 Fact", "*Infinity*|"},
        KeyCase{"FactorialOfHugeNumber", "1 exp 9 9 Fact", "*Infinity*|"},
        KeyCase{"FactorialOfFraction", "3 dot 5 Fact", "*Error*|"},
        KeyCase{"FactorialOfNegative", "3 PM Fact", "*Out of Range*|"},
        KeyCase{"ResultIsAnOperand", "2 plus 9 Sqrt equal", "5.|"},
        KeyCase{"DigitAfterResultStartsNewNumber", "9 Sqrt 7", "7.|"},
        KeyCase{"FunctionEndsKeyedExponent", "1 exp 2 Sqrt", "10.|"},
        KeyCase{"PiIgnoredInExponentEntry", "2 exp 5 PI", "2.| 05"},
        KeyCase{"ErrorStateIgnoresFunctions", "4 PM Sqrt 4 Sqrt", "*Undefined*|"}),
    RowName<KeyCase>);

struct SnapCase {
    double x;
    double strict;
    double loose;
};

// The strict snap needs fourteen nines at fifteen decimals, the loose one twelve.
TEST(Snapping, CatchesOnlyValuesAHairShortOfWhole) {
    const SnapCase cases[] = {
        {2.99999999999999, 3.0, 3.0},
        {-0.999999999999995, -1.0, -1.0},
        {2.9999999999999, 2.9999999999999, 3.0},
        {2.999999999999, 2.999999999999, 3.0},
        {2.99999999999, 2.99999999999, 2.99999999999},
        {2.9999999999999996, 2.9999999999999996, 2.9999999999999996},
        {0.5, 0.5, 0.5},
        {0.0, 0.0, 0.0},
        {1e99, 1e99, 1e99},
    };
    for (const SnapCase& c : cases) {
        EXPECT_EQ(SnapNearInteger(c.x), c.strict) << c.x;
        EXPECT_EQ(SnapNearIntegerLoose(c.x), c.loose) << c.x;
    }
}

TEST(Snapping, ToOneOrZeroAtTheGivenDecimals) {
    EXPECT_EQ(SnapToOneOrZero(0.99999999999, 10), 1.0);
    EXPECT_EQ(SnapToOneOrZero(0.00000000001, 10), 0.0);
    EXPECT_EQ(SnapToOneOrZero(0.9999, 10), 0.9999);
    EXPECT_EQ(SnapToOneOrZero(0.9999, 3), 1.0);
    EXPECT_EQ(SnapToOneOrZero(-0.0001, 3), 0.0);
}

}  // namespace
