// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/calculator.h"
#include "core/platform.h"
#include "support/key_driver.h"
#include "support/row_name.h"

namespace {

class FixedClock final : public ClockSource {
public:
    explicit FixedClock(LocalDateTime now) : now_(now) {}
    LocalDateTime Now() const override { return now_; }

private:
    LocalDateTime now_;
};

struct RandomCase {
    const char* name;
    LocalDateTime now;
    const char* modeKeys;
    const char* display;
};

class RandomKeyFromClock : public testing::TestWithParam<RandomCase> {};

// The number is the last three characters of the day count since 30 December 1899.
TEST_P(RandomKeyFromClock, ShowsThreeDecimals) {
    FixedClock clock(GetParam().now);
    Calculator calc(Platform{.clock = &clock});
    StartCalculator(calc);
    PressKeys(calc, GetParam().modeKeys);
    PressKeys(calc, "Random");
    EXPECT_EQ(calc.panel.DisplayBox + "|" + calc.panel.ExpoBox, GetParam().display);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RandomKeyFromClock,
    testing::Values(
        // 10:17:36 is 0.428888... of a day: 45292.4288888889.
        RandomCase{"FractionOfDay", {2024, 1, 1, 10, 17, 36}, "", "0.889|"},
        RandomCase{"FixedModeStillThreeDecimals", {2024, 1, 1, 10, 17, 36}, "FxnButton:5", "0.889|"},
        RandomCase{"ScientificModeStillThreeDecimals", {2024, 1, 1, 10, 17, 36}, "ScnButton:2", "0.889|"},
        // Midnight writes 45292.0: the last three characters are "2.0".
        RandomCase{"Midnight", {2024, 1, 1, 0, 0, 0}, "", "0.002|"},
        // Noon writes 45292.5: 0.0025 rounds half away from zero.
        RandomCase{"Noon", {2024, 1, 1, 12, 0, 0}, "", "0.003|"}),
    RowName<RandomCase>);

TEST(RandomKey, SameSecondSameNumberAndItIsAnOperand) {
    FixedClock clock({2024, 1, 1, 10, 17, 36});
    Calculator calc(Platform{.clock = &clock});
    StartCalculator(calc);
    PressKeys(calc, "Random");
    const std::string first = calc.panel.DisplayBox;
    PressKeys(calc, "Random");
    EXPECT_EQ(calc.panel.DisplayBox, first);
    PressKeys(calc, "plus 1 equal");
    EXPECT_EQ(calc.panel.DisplayBox, "1.889");
}

TEST(RandomKey, WithoutAClockUsesTheSystemClock) {
    Calculator calc;
    StartCalculator(calc);
    PressKeys(calc, "Random");
    EXPECT_EQ(calc.panel.DisplayBox.size(), 5u);
    EXPECT_EQ(calc.panel.DisplayBox.substr(0, 2), "0.");
}

}  // namespace
