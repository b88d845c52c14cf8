// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "core/calculator.h"
#include "keys/dispatch.h"
#include "keys/key_table.h"
#include "memory/scripted_register_chooser.h"
#include "support/key_driver.h"
#include "support/row_name.h"
#include "tape/paper_tape.h"

namespace {

struct TapeCase {
    const char* name;
    const char* keys;  // as numora-keys names them; a register key as "Kin:7:Width"
    const char* lines;  // the tape's lines joined by "|"
};

void PrintTo(const TapeCase& c, std::ostream* os) { *os << c.keys; }

class TapeLines : public ::testing::TestWithParam<TapeCase> {};

// Presses the keys as numora-keys does: a register key's number and description answer its window.
std::string TapeAfter(std::string_view keys) {
    PaperTape tape;
    ScriptedRegisterChooser registers;
    Calculator calc;
    calc.platform.tape = &tape;
    calc.platform.registers = &registers;
    StartCalculator(calc);
    while (!keys.empty()) {
        const auto space = keys.find(' ');
        const std::string key(keys.substr(0, space));
        keys = space == std::string_view::npos ? std::string_view() : keys.substr(space + 1);
        const auto colon = key.find(':');
        if (colon == std::string::npos) {
            PressKeys(calc, key);
            continue;
        }
        const auto second = key.find(':', colon + 1);
        RegisterScript script{std::stoi(key.substr(colon + 1)), {}, {}};
        if (second != std::string::npos) script.Description = key.substr(second + 1);
        registers.SetNext(script);
        ClickKey(calc, *FindFaceKey("key_" + key.substr(0, colon)));
    }
    std::string lines;
    for (const std::string& line : tape.Lines()) lines += (lines.empty() ? "" : "|") + line;
    return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TapeLines,
    ::testing::Values(
        TapeCase{"ProductBeforeSum", "2 plus 3 multiply 4 equal", "2 + 3 x 4 = 14."},
        TapeCase{"PowerBeforeProduct", "2 plus 3 Xy 2 multiply 4 equal", "2 + 3 ^ 2 x 4 = 38."},
        TapeCase{"OperatorReplacesTheOneBefore", "5 plus 3 multiply plus 1 equal", "5 + 3 + 1 = 9."},
        TapeCase{"ResultStartsTheNextFormula", "2 plus 3 equal multiply 2 equal", "2 + 3 = 5.|5 x 2 = 10."},
        TapeCase{"NothingFinishedNoLine", "2 plus 3 multiply", ""},
        TapeCase{"AllClearDropsTheFormula", "2 plus AC 3 equal", ""},
        TapeCase{"ExponentOperandsAndResult", "1 exp 2 0 multiply 1 exp 3 0 equal", "1E+20 x 1E+30 = 1.E+50"},
        TapeCase{"ConstantAppliedByEachEqual", "2 plus plus 3 equal 4 equal", "3 + 2 = 5.|4 + 2 = 6."},
        TapeCase{"ConstantIsTheShownNumber", "2 plus 3 multiply multiply 4 equal", "4 x 3 = 12."},
        TapeCase{"FunctionNamesItsOperand", "3 0 Sin", "sin 30 = 0.5"},
        TapeCase{"FunctionInsideAFormula", "2 plus 3 0 Sin equal", "sin 30 = 0.5|2 + 0.5 = 2.5"},
        TapeCase{"PowerCaptionTakesTheOperand", "3 PM Sqr 4 Rcp", "(-3)² = 9.|¹/4 = 0.25"},
        TapeCase{"KeyedFractions", "1 Frc 2 Frc 3 plus 1 Frc 3 equal", "1 2/3 + 1/3 = 2."},
        TapeCase{"SexagesimalShown", "1 0 Sexa 3 0 Sexa 1 5 Sexa Asex", "Asex 10.5041666666667 = 10°30'15\"."},
        TapeCase{"ConversionWaitsForItsSecondInput", "3 RtoP 4 equal", "3 R>P 4 = 5."},
        TapeCase{"SimpleMemoryStore", "2 dot 5 Min Mr", "Min 2.5|MR = 2.5"},
        TapeCase{"RegisterStore", "5 Kin:7:Width", "Kin 7 Width = 5."},
        TapeCase{"RegisterSumAndRecall", "3 Kin:1:A AC 2 Mplus:1 Kout:1", "Kin 1 A = 3.|M+ 1 A + 2 = 5.|Kout 1 A = 5."},
        TapeCase{"StatisticsKeys", "1 Data 2 Data Ave", "Data 1|Data 2|Mean = 1.5"},
        TapeCase{"DivideByZero", "5 divide 0 equal", "5 / 0 = Divide by Zero"},
        TapeCase{"OverflowAtAnOperator", "1 exp 9 9 multiply 1 0 multiply", "1E+99 x 10 = Infinity"},
        TapeCase{"FunctionOutOfItsDomain", "0 Log", "log 0 = Out of Range"},
        TapeCase{"StatisticOfNoData", "Ave", "Mean = Empty Data"},
        TapeCase{"KeysInTheErrorStateWriteNothing", "0 Rcp 2 Sqr", "¹/0 = Divide by Zero"}),
    RowName<TapeCase>);

TEST_P(TapeLines, WritesWhatEachFinishedStepGave) { EXPECT_EQ(TapeAfter(GetParam().keys), GetParam().lines); }

TEST(TapeLines, LongFormulaKeepsItsEndAndMarksTheCut) {
    std::string keys;
    for (int i = 0; i < 1000; ++i) keys += "1 plus ";
    const std::string line = TapeAfter(keys + "equal");
    EXPECT_LE(line.size(), kMaxTapeLineBytes);
    EXPECT_TRUE(line.starts_with("... ")) << line.substr(0, 20);
    EXPECT_EQ(line.find("  "), std::string::npos) << line.substr(0, 20);
    EXPECT_TRUE(line.ends_with(" + 1 + 1 = 1000.")) << line.substr(line.size() - 20);
}

}  // namespace
