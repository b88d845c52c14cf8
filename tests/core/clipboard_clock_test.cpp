// SPDX-License-Identifier: MIT
#include "core/clipboard_clock.h"

#include <gtest/gtest.h>

#include <clocale>

#include "core/calculator.h"
#include "keys/dispatch.h"

namespace {

class FixedClock final : public ClockSource {
public:
    LocalDateTime now;
    LocalDateTime Now() const override { return now; }
};

TEST(ClockFormats, DateLineAndTime) {
    std::setlocale(LC_TIME, "C");
    const struct {
        LocalDateTime when;
        const char* date;
        const char* time;
    } rows[] = {
        {{2026, 12, 7, 14, 5, 29}, "MONDAY DEC 7, 2026", "02:05:29 PM"},
        {{2026, 1, 1, 0, 0, 0}, "THURSDAY JAN 1, 2026", "12:00:00 AM"},
        {{2024, 2, 29, 12, 30, 5}, "THURSDAY FEB 29, 2024", "12:30:05 PM"},
        {{2025, 6, 15, 11, 59, 59}, "SUNDAY JUN 15, 2025", "11:59:59 AM"},
        {{2025, 6, 15, 23, 1, 2}, "SUNDAY JUN 15, 2025", "11:01:02 PM"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ClockDateLine(row.when), row.date);
        EXPECT_EQ(ClockTimeText(row.when), row.time);
    }
}

TEST(PastedNumber, SkipsWhiteSpaceAndKnowsPrefixes) {
    const struct {
        const char* text;
        double value;
    } rows[] = {
        {"12 apples", 12},   {"1 2 3", 123},      {"\t4\n5", 45},
        {"3.5E2", 350},      {"1.5D2", 150},      {"2d-1", 0.2},
        {"&HFF", 255},       {"&hff", 255},       {"&O17", 15},
        {"&H", 0},           {"&HFG1", 15},       {"apples", 0},
        {"-7.25", -7.25},    {"1.2.3", 1.2},      {"", 0},
        {"&O9", 0},          {"1,234.5", 1234.5}, {"1,23", 1},
        {"\u22127.5", -7.5}, {".5", 0.5},         {"1,234,567", 1234567},
        {"1e", 1},
    };
    for (const auto& row : rows) EXPECT_DOUBLE_EQ(ReadPastedNumber(row.text), row.value) << row.text;
}

TEST(Clock, TimeKeyTogglesAndRestoresTheNumber) {
    FixedClock clock;
    clock.now = {2026, 12, 7, 14, 5, 29};
    Calculator calc(Platform{.clock = &clock});
    for (const char* key : {"AC", "4", "2"}) DispatchKey(calc, key);
    ClockKey(calc);
    EXPECT_TRUE(calc.modes.ClockShowing);
    EXPECT_EQ(calc.panel.DisplayBox, "02:05:29 PM");
    clock.now.second = 30;
    ClockTick(calc);
    EXPECT_EQ(calc.panel.DisplayBox, "02:05:30 PM");
    DispatchKey(calc, "5");
    EXPECT_FALSE(calc.modes.ClockShowing);
    EXPECT_EQ(calc.panel.DisplayBox, "42.");
    EXPECT_EQ(calc.panel.DateBox, "");
    ClockTick(calc);
    EXPECT_EQ(calc.panel.DisplayBox, "42.");
}

}  // namespace
