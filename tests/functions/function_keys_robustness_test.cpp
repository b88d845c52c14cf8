// SPDX-License-Identifier: MIT
// The keys of the functions from extreme displays, in every display mode: the display keeps its
// limits and never shows a non-finite number.
#include <gtest/gtest.h>

#include <string>

#include "core/calculator.h"
#include "support/key_driver.h"

namespace {

const char* const kFunctionKeys[] = {
    "Sqr", "Sqrt", "Cubt", "Cube", "Log",  "aLog", "Ln",   "aLn",  "Rcp",     "Fact",    "Sin",
    "Cos", "Tan",  "iSin", "iCos", "iTan", "Sinh", "Cosh", "Tanh", "ArcSinh", "ArcCosh", "ArcTanh",
    "Frc", "Dc",   "Sexa", "Asex", "EngL", "EngR", "PtoR", "RtoP", "Random",
};

// Starting displays: the largest and smallest shown magnitudes of both signs, a long fraction,
// a keyed fraction, a keyed exponent, a pending conversion and the error state.
const char* const kStarts[] = {
    "9 dot 9 9 9 9 9 9 9 9 9 9 9 9 9 9 exp 9 9",
    "1 exp 9 9 PM",
    "9 exp 9 9 PM equal",
    "1 PM exp 9 9 PM equal",
    "1 divide 7 equal",
    "1 2 3 4 5 6 7 Frc 8 9 Frc 1 2 3",
    "4 exp 5 PM",
    "AC 9 exp 9 9 PtoR 9 exp 9 9",
    "5 divide 0 equal",
};

const char* const kModes[] = {"StdButton", "FxnButton:14", "ScnButton:0", "RadButton", "GradButton"};

int DigitCount(const std::string& s) {
    int n = 0;
    for (char c : s) n += c >= '0' && c <= '9';
    return n;
}

TEST(FunctionKeysRobustness, ExtremeDisplaysKeepTheirLimits) {
    for (const char* mode : kModes) {
        for (const char* start : kStarts) {
            for (const char* key : kFunctionKeys) {
                Calculator calc;
                StartCalculator(calc);
                PressKeys(calc, mode);
                PressKeys(calc, start);
                const std::string keys = std::string(key) + " " + key + " " + key + " equal " + key;
                PressKeys(calc, keys);
                const DisplayPanel& p = calc.panel;
                const std::string where = std::string(mode) + " " + start + " " + keys + ": " + p.DisplayBox;
                EXPECT_LE(DigitCount(p.DisplayBox), 15) << where;
                EXPECT_TRUE(p.ExpoBox.empty() || p.ExpoBox.size() == 3) << where;
                EXPECT_EQ(p.DisplayBox.find("nan"), std::string::npos) << where;
                EXPECT_EQ(p.DisplayBox.find("inf"), std::string::npos) << where;
            }
        }
    }
}

TEST(FunctionKeysRobustness, ErrorStaysUntilAllClear) {
    for (const char* key : kFunctionKeys) {
        Calculator calc;
        StartCalculator(calc);
        PressKeys(calc, "5 divide 0 equal");
        PressKeys(calc, key);
        EXPECT_EQ(calc.panel.DisplayBox, "*Divide by Zero*") << key;
        EXPECT_TRUE(calc.entry.ErrorLocked) << key;
    }
}

}  // namespace
