// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "support/key_case.h"
#include "support/key_driver.h"
#include "support/row_name.h"

namespace {

class ConversionKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(ConversionKeys, ShowFirstResultThenSecond) { EXPECT_EQ(DisplayAfter(GetParam().keys), GetParam().display); }

INSTANTIATE_TEST_SUITE_P(
    PolarToRect, ConversionKeys,
    testing::Values(KeyCase{"FirstResult", "AC 2 PtoR 3 0 equal", "1.73205080756888|"},
                    KeyCase{"SecondResult", "AC 2 PtoR 3 0 equal XtoY", "1.|"},
                    KeyCase{"CosineNotSnapped", "AC 1 PtoR 9 0 equal", "1.61554457443259|-15"},
                    KeyCase{"RepeatedKeyIgnored", "AC 2 PtoR PtoR 3 0 equal", "1.73205080756888|"},
                    KeyCase{"InsideFormula", "5 plus 2 PtoR 3 0 equal", "6.73205080756888|"},
                    KeyCase{"InsideFormulaNoSecond", "5 plus 2 PtoR 3 0 equal XtoY", "0.|"},
                    KeyCase{"KeyAgainCompletes", "AC 2 PtoR 3 0 PtoR", "1.73205080756888|"},
                    KeyCase{"KeyAgainChains", "AC 2 PtoR 3 0 PtoR 3 0 equal", "1.5|"},
                    KeyCase{"KeyAgainChainsSecond", "AC 2 PtoR 3 0 PtoR 3 0 equal XtoY", "0.86602540378444|"},
                    KeyCase{"KeyedExponentAsInput", "AC 2 exp 1 PtoR 6 0 equal", "10.|"},
                    KeyCase{"SecondInputExponentStartsAfresh", "AC 2 exp 1 PtoR 6 exp 1 equal", "10.|"},
                    KeyCase{"FunctionResultAsInput", "AC 9 Sqrt PtoR 9 0 equal XtoY", "3.|"},
                    KeyCase{"RadiansFirst", "RadButton AC 2 PtoR 1 equal", "1.08060461173628|"},
                    KeyCase{"RadiansSecond", "RadButton AC 2 PtoR 1 equal XtoY", "1.68294196961579|"},
                    KeyCase{"Gradians", "GradButton AC 2 PtoR 1 0 0 equal XtoY", "2.|"},
                    KeyCase{"ErrorStays", "5 divide 0 equal PtoR 3 equal", "*Divide by Zero*|"}),
    RowName<KeyCase>);

INSTANTIATE_TEST_SUITE_P(
    RectToPolar, ConversionKeys,
    testing::Values(
        KeyCase{"Radius", "AC 3 RtoP 4 equal", "5.|"}, KeyCase{"Angle", "AC 3 RtoP 4 equal XtoY", "53.130102354156|"},
        KeyCase{"NegativeXRadius", "AC 1 PM RtoP 0 equal", "1.|"},
        KeyCase{"NegativeXAngle", "AC 1 PM RtoP 0 equal XtoY", "180.|"},
        KeyCase{"ThirdQuadrant", "AC 1 PM RtoP 1 PM equal XtoY", "-135.|"},
        KeyCase{"ZeroXRadius", "AC 0 RtoP 5 equal", "5.|"}, KeyCase{"ZeroXAngle", "AC 0 RtoP 5 equal XtoY", "90.|"},
        KeyCase{"ZeroXNegativeY", "AC 0 RtoP 5 PM equal XtoY", "-90.|"},
        KeyCase{"OriginRadius", "AC 0 RtoP 0 equal", "0.|"}, KeyCase{"OriginAngle", "AC 0 RtoP 0 equal XtoY", "0.|"},
        KeyCase{"RadiansOnAxis", "RadButton AC 0 RtoP 5 equal XtoY", "1.5707963267949|"},
        KeyCase{"GradiansNegativeX", "GradButton AC 1 PM RtoP 0 equal XtoY", "200.|"},
        KeyCase{"FreshFirstInput", "AC 3 RtoP 4 equal RtoP 1 equal", "5.09901951359278|"},
        KeyCase{"RadiusBeyondDisplay", "AC 9 exp 9 9 RtoP 9 exp 9 9 equal", "*Infinity*|"},
        KeyCase{"ErrorStays", "5 divide 0 equal RtoP 3 equal", "*Divide by Zero*|"}),
    RowName<KeyCase>);

}  // namespace
