// SPDX-License-Identifier: MIT
// The mode page and the Modes menu draw only this value, so it must follow every way the state
// changes: the angle buttons, the display options and the precision list.
#include <gtest/gtest.h>

#include "core/calculator.h"
#include "keys/mode_controls.h"
#include "support/key_driver.h"
#include "support/row_name.h"

namespace {

using Angle = ModePanel::Angle;
using Display = ModePanel::Display;

struct ModeCase {
    const char* name;
    const char* keys;
    ModePanel expected;
};

class ModePanelAfterKeys : public ::testing::TestWithParam<ModeCase> {};

TEST_P(ModePanelAfterKeys, ShowsTheState) {
    Calculator calc;
    StartCalculator(calc);
    PressKeys(calc, GetParam().keys);
    EXPECT_EQ(MakeModePanel(calc), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ModePanelAfterKeys,
    ::testing::Values(
        ModeCase{"StartsInDegreesAndNormal", "", {Angle::Degree, Display::Normal, false, -1, false}},
        ModeCase{"RadianButton", "RadButton", {Angle::Radian, Display::Normal, false, -1, false}},
        ModeCase{"GradianAfterRadian", "RadButton GradButton", {Angle::Gradian, Display::Normal, false, -1, false}},
        ModeCase{"FixedWithPrecision", "FxnButton:3", {Angle::Degree, Display::Fixed, true, 3, false}},
        ModeCase{"ScientificThenNormal", "ScnButton:2 StdButton", {Angle::Degree, Display::Normal, false, -1, false}}),
    RowName<ModeCase>);

// Start-up sets the angle unit; until then no angle option shows.
TEST(ModePanel, NoAngleBeforeStartUp) { EXPECT_EQ(MakeModePanel(Calculator()).angle, Angle::None); }

}  // namespace
