// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "support/key_case.h"
#include "support/key_driver.h"
#include "support/row_name.h"

namespace {

class SexagesimalKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(SexagesimalKeys, ShowValueOrAngleText) { EXPECT_EQ(DisplayAfter(GetParam().keys), GetParam().display); }

INSTANTIATE_TEST_SUITE_P(
    Table, SexagesimalKeys,
    testing::Values(KeyCase{"Degrees", "3 0 Sexa", "30.|"}, KeyCase{"Minutes", "3 0 Sexa 1 5 Sexa", "30.25|"},
                    KeyCase{"Seconds", "3 0 Sexa 1 5 Sexa 2 0 Sexa", "30.2555555555556|"},
                    KeyCase{"SecondPressAddsShownAsMinutes", "3 0 Sexa Sexa", "30.5|"},
                    KeyCase{"FourthPressStartsOver", "3 0 Sexa 1 5 Sexa 2 0 Sexa Sexa", "30.2555555555556|"},
                    KeyCase{"OperatorEndsStage", "3 0 Sexa plus 1 5 Sexa equal", "45.|"},
                    KeyCase{"ShownAsAngle", "3 0 Sexa 1 5 Sexa 2 0 Sexa Asex", "30\u00B015'20\".|"},
                    KeyCase{"WholeMinutes", "4 5 dot 5 Asex", "45\u00B030'0\".|"},
                    KeyCase{"Negative", "3 0 dot 5 PM Asex", "-30\u00B030'0\".|"},
                    KeyCase{"NegativeBelowOneDegree", "0 dot 5 PM Asex", "-0\u00B030'0\".|"},
                    KeyCase{"ReducedToOneTurn", "4 0 0 dot 2 5 Asex", "40\u00B015'0\".|"},
                    KeyCase{"SecondsWithDecimals", "1 0 dot 9 9 9 9 9 9 9 Asex", "10\u00B059'59.9996\"|"},
                    KeyCase{"TooLongUnchanged", "1 2 3 dot 4 5 6 7 8 9 Asex", "123.456789|"},
                    KeyCase{"ValueUnchanged", "3 0 dot 2 5 Asex plus 1 equal", "31.25|"},
                    KeyCase{"EndsEntry", "5 exp Asex 4", "4.|"},
                    KeyCase{"EngAfterAngleUsesValue", "3 0 dot 2 5 Asex EngL", "30.25| 00"}),
    RowName<KeyCase>);

class EngShiftKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(EngShiftKeys, MovePointByThree) { EXPECT_EQ(DisplayAfter(GetParam().keys), GetParam().display); }

INSTANTIATE_TEST_SUITE_P(
    Table, EngShiftKeys,
    testing::Values(KeyCase{"FirstPressSwitchesForm", "1 2 3 4 5 dot 6 EngL", "12345.6| 00"},
                    KeyCase{"LeftOnce", "1 2 3 4 5 dot 6 EngL EngL", "12.3456| 03"},
                    KeyCase{"LeftTwice", "1 2 3 4 5 dot 6 EngL EngL EngL", "0.0123456| 06"},
                    KeyCase{"RightBack", "1 2 3 4 5 dot 6 EngL EngL EngR", "12345.6| 00"},
                    KeyCase{"RightPadsZeros", "1 2 3 4 5 dot 6 EngL EngL EngR EngR", "12345600.|-03"},
                    KeyCase{"SmallLeft", "dot 5 EngL EngL", "0.0005| 03"},
                    KeyCase{"NegativeKeepsDigits", "2 dot 5 PM exp 5 PM EngL", "-0.0025|-02"},
                    KeyCase{"FirstPressKeepsShownDigits", "1 divide 6 3 equal EngR", "0.01587301587302| 00"},
                    KeyCase{"ThenShifts", "1 divide 6 3 equal EngR EngR", "15.87301587302|-03"},
                    KeyCase{"ZeroUnchangedLeft", "0 EngL", "0.|"}, KeyCase{"ZeroUnchangedRight", "0 EngR", "0.|"},
                    KeyCase{"ExponentLimit", "9 exp 9 9 EngL EngL", "9.| 99"},
                    KeyCase{"NegativeExponentLimit", "1 exp 9 9 PM EngR EngR", "1.|-99"},
                    KeyCase{"DigitLimit", "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 EngR EngR", "123456789012345.| 00"},
                    KeyCase{"ValueUnchanged", "1 2 3 4 5 dot 6 EngL EngL plus 1 equal", "12346.6|"},
                    KeyCase{"ResultInExponentFormRight", "1 divide 3 exp 2 0 equal EngR", "3333.33333333333|-24"},
                    KeyCase{"ResultInExponentFormTooManyDigits", "1 divide 3 exp 2 0 equal EngL",
                            "3.33333333333333|-21"},
                    KeyCase{"ErrorStays", "5 divide 0 equal EngL EngR", "*Divide by Zero*|"}),
    RowName<KeyCase>);

}  // namespace
