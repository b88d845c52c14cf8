// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "core/calculator.h"
#include "display/number_text.h"
#include "functions/angle_units.h"
#include "support/key_case.h"
#include "support/key_driver.h"
#include "support/row_name.h"

namespace {

class TrigonometryKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(TrigonometryKeys, ShowResultOrReason) { EXPECT_EQ(DisplayAfter(GetParam().keys), GetParam().display); }

INSTANTIATE_TEST_SUITE_P(
    Degrees, TrigonometryKeys,
    testing::Values(
        KeyCase{"SineOfHalfTurn", "1 8 0 Sin", "0.|"}, KeyCase{"SineOfFullTurn", "3 6 0 Sin", "0.|"},
        KeyCase{"SineOfThirtyBeyondTurn", "3 9 0 Sin", "0.5|"}, KeyCase{"SineOfReducedHalfTurn", "5 4 0 Sin", "0.|"},
        KeyCase{"SineOfNegativeHalfTurn", "1 8 0 PM Sin", "0.|"}, KeyCase{"SineOfRightAngle", "9 0 Sin", "1.|"},
        KeyCase{"CosineOfRightAngles", "9 0 Cos", "0.|"}, KeyCase{"CosineOfThreeRightAngles", "2 7 0 Cos", "0.|"},
        KeyCase{"CosineOfReducedRightAngle", "4 5 0 Cos", "0.|"},
        KeyCase{"CosineOfSixtyCarriesThePi", "6 0 Cos multiply 1 0 equal", "5.00000000000001|"},
        KeyCase{"TangentOfFortyFiveIsSnapped", "4 5 Tan", "1.|"},
        KeyCase{"TangentOfRightAngle", "9 0 Tan", "*Out of Range*|"},
        KeyCase{"TangentOfThreeRightAngles", "2 7 0 Tan", "*Out of Range*|"},
        KeyCase{"TangentOfReducedRightAngle", "4 5 0 Tan", "*Out of Range*|"},
        KeyCase{"TangentOfNegativeRightAngle", "9 0 PM Tan", "*Out of Range*|"},
        KeyCase{"TangentOfHalfTurn", "1 8 0 Tan", "0.|"}, KeyCase{"TangentOfReducedHalfTurn", "5 4 0 Tan", "0.|"},
        KeyCase{"ArcSineOfOne", "1 iSin", "90.|"}, KeyCase{"ArcSineOfHalf", "dot 5 iSin", "30.|"},
        KeyCase{"ArcSineBeyondOne", "1 dot 5 iSin", "*Undefined*|"},
        KeyCase{"ArcCosineOfMinusOne", "1 PM iCos", "180.|"},
        KeyCase{"ArcCosineOfHalf", "dot 5 iCos", "60.0000000000001|"},
        KeyCase{"ArcCosineBeyondOne", "2 iCos", "*Undefined*|"}, KeyCase{"ArcTangentOfOne", "1 iTan", "45.|"},
        KeyCase{"ArcTangentOfHugeCarriesThePi", "1 exp 9 9 iTan", "90.0000000000001|"}),
    RowName<KeyCase>);

INSTANTIATE_TEST_SUITE_P(
    Radians, TrigonometryKeys,
    testing::Values(KeyCase{"SineOfPi", "RadButton PI Sin", "0.|"},
                    KeyCase{"SineOfMinusPi", "RadButton PI PM Sin", "0.|"},
                    KeyCase{"SineOfThreePi", "RadButton PI multiply 3 equal Sin", "0.|"},
                    KeyCase{"CosineOfThreeHalfPi", "RadButton PI multiply 1 dot 5 equal Cos", "0.|"},
                    KeyCase{"CosineOfFiveHalfPi", "RadButton PI multiply 2 dot 5 equal Cos", "0.|"},
                    KeyCase{"TangentOfThreePi", "RadButton PI multiply 3 equal Tan", "0.|"},
                    KeyCase{"SineOfOne", "RadButton 1 Sin", "0.8414709848079|"},
                    KeyCase{"ArcSineOfOne", "RadButton 1 iSin", "1.5707963267949|"},
                    KeyCase{"ArcCosineOfMinusOne", "RadButton 1 PM iCos", "3.14159265358979|"}),
    RowName<KeyCase>);

INSTANTIATE_TEST_SUITE_P(
    Gradians, TrigonometryKeys,
    testing::Values(KeyCase{"SineOfHalfTurn", "GradButton 2 0 0 Sin", "0.|"},
                    KeyCase{"SineOfReducedHalfTurn", "GradButton 6 0 0 Sin", "0.|"},
                    KeyCase{"SineOfNegativeHalfTurn", "GradButton 2 0 0 PM Sin", "0.|"},
                    KeyCase{"CosineOfRightAngle", "GradButton 1 0 0 Cos", "0.|"},
                    KeyCase{"CosineOfReducedRightAngle", "GradButton 5 0 0 Cos", "0.|"},
                    KeyCase{"TangentOfRightAngle", "GradButton 1 0 0 Tan", "*Out of Range*|"},
                    KeyCase{"TangentOfReducedRightAngle", "GradButton 5 0 0 Tan", "*Out of Range*|"},
                    KeyCase{"TangentOfReducedHalfTurn", "GradButton 6 0 0 Tan", "0.|"},
                    KeyCase{"ArcSineOfOne", "GradButton 1 iSin", "100.|"},
                    KeyCase{"ArcTangentOfOneCarriesThePi", "GradButton 1 iTan", "50.0000000000001|"}),
    RowName<KeyCase>);

INSTANTIATE_TEST_SUITE_P(Hyperbolic, TrigonometryKeys,
                         testing::Values(KeyCase{"TangentSaturatesPositive", "1 0 0 0 Tanh", "1.|"},
                                         KeyCase{"TangentSaturatesNegative", "1 0 0 0 PM Tanh", "-1.|"},
                                         KeyCase{"SineOverflow", "1 0 0 0 Sinh", "*Undefined*|"},
                                         KeyCase{"SineBeyondDisplay", "3 0 0 Sinh", "*Infinity*|"},
                                         KeyCase{"CosineOfZero", "0 Cosh", "1.|"},
                                         KeyCase{"CosineOverflow", "7 1 0 PM Cosh", "*Undefined*|"},
                                         KeyCase{"IgnoresAngleUnit", "RadButton 1 Sinh", "1.1752011936438|"},
                                         KeyCase{"ArcSineOfNegative", "1 0 0 0 PM ArcSinh", "-7.60090270954199|"},
                                         KeyCase{"ArcCosineOfOne", "1 ArcCosh", "0.|"},
                                         KeyCase{"ArcCosineBelowOne", "dot 5 ArcCosh", "*Undefined*|"},
                                         KeyCase{"ArcCosineOfNegative", "2 PM ArcCosh", "*Undefined*|"},
                                         KeyCase{"ArcTangentOfOne", "1 ArcTanh", "*Undefined*|"},
                                         KeyCase{"ArcTangentOfHalf", "dot 5 ArcTanh", "0.54930614433406|"}),
                         RowName<KeyCase>);

struct HugeAngle {
    const char* name;
    const char* keys;
    double degrees;  // a whole number of degrees beyond 2^53
};

void PrintTo(const HugeAngle& a, std::ostream* os) { *os << a.keys; }

class HugeDegreeAngles : public testing::TestWithParam<HugeAngle> {};

INSTANTIATE_TEST_SUITE_P(Keys, HugeDegreeAngles,
                         testing::Values(HugeAngle{"TenToTheTwenty", "1 exp 2 0", 1e20},
                                         HugeAngle{"ThreeTimesTenToTheEighteen", "3 exp 1 8", 3e18},
                                         HugeAngle{"TenToTheNineteen", "1 exp 1 9", 1e19}),
                         RowName<HugeAngle>);

// Sine, cosine and tangent agree to the shown decimals with long double functions (through the
// calculator's pi) of the angle's place on the turn, found by integer arithmetic.
TEST_P(HugeDegreeAngles, FollowTheirPlaceOnTheTurn) {
    const auto wholeDegrees = static_cast<unsigned __int128>(GetParam().degrees);
    const long double radians = static_cast<long double>(static_cast<std::uint64_t>(wholeDegrees % 360)) *
                                (static_cast<long double>(kCalculatorPi) / 180.0L);
    const long double sine = std::sin(radians);
    const long double cosine = std::cos(radians);
    const auto shown = [&](const char* key) {
        const std::string keys = std::string(GetParam().keys) + " " + key;
        const std::string display = DisplayAfter(keys);
        EXPECT_EQ(display.back(), '|') << keys << " shows an exponent: " << display;
        return static_cast<long double>(ReadNumber(display.substr(0, display.find('|'))));
    };
    EXPECT_NEAR(shown("Sin"), sine, 1e-14L);
    EXPECT_NEAR(shown("Cos"), cosine, 1e-14L);
    EXPECT_NEAR(shown("Tan"), sine / cosine, 1e-14L);
}

TEST(AngleUnits, ConvertThroughTheCalculatorsPi) {
    Calculator calc;
    StartCalculator(calc);
    EXPECT_EQ(DegreesToAngleUnit(calc, 370.0), 10.0);
    EXPECT_EQ(AngleUnitToDegrees(calc, -370.0), -10.0);
    PressKeys(calc, "GradButton");
    EXPECT_DOUBLE_EQ(AngleUnitToDegrees(calc, 380.0), 342.0);
    EXPECT_DOUBLE_EQ(DegreesToAngleUnit(calc, 90.0), 100.0);
    PressKeys(calc, "RadButton");
    EXPECT_DOUBLE_EQ(DegreesToAngleUnit(calc, 180.0), kCalculatorPi);
    EXPECT_DOUBLE_EQ(AngleUnitToDegrees(calc, kCalculatorPi), 180.0);
}

}  // namespace
