// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "constants/constant_window_model.h"
#include "constants/grouped_format.h"
#include "constants/scripted_constant_picker.h"
#include "core/calculator.h"
#include "support/key_driver.h"
#include "support/row_name.h"

namespace {

TEST(ConstantTable, RowsAreNumberedAndParsed) {
    const ConstantTable table = BuildConstantTable();
    for (int k = 0; k < kConstantCount; ++k) EXPECT_EQ(table[k].No, k + 1);
    EXPECT_EQ(table[0].Symbol, "°");
    EXPECT_EQ(table[2].Symbol, "\"");
    EXPECT_EQ(table[72].Value, -17.7778);
    EXPECT_EQ(table[88].Unit, "W.m-²/K^4");
    EXPECT_EQ(table[127].Symbol, "íO");
}

struct SuppliedRow {
    int row;
    const char* symbol;
    const char* description;
    double value;
    const char* unit;
};

TEST(ConstantTable, RowsSuppliedHereAreTheirOwnUnits) {
    const ConstantTable table = BuildConstantTable();
    for (const SuppliedRow& r : {SuppliedRow{24, "ft", "foot", 0.3048, "m"},
                                 SuppliedRow{27, "galUS", "gallon (United States)", 3.78541E-03, "m³"},
                                 SuppliedRow{125, "u", "Atomic mass unit", 1.66054E-27, "kg"}}) {
        const ScientificConstant& c = table[r.row - 1];
        EXPECT_EQ(c.Symbol, r.symbol);
        EXPECT_EQ(c.Description, r.description);
        EXPECT_EQ(c.Value, r.value);
        EXPECT_EQ(c.Unit, r.unit);
    }
}

TEST(ConstantTable, ParsingTrimsFieldsAndReadsLeadingNumbers) {
    const ScientificConstant c = ParseConstantRow(" 7 <+> kn <+> knot <+>5.14444E-01 m/s<+> m/s ");
    EXPECT_EQ(c.No, 7);
    EXPECT_EQ(c.Symbol, "kn");
    EXPECT_EQ(c.Description, "knot");
    EXPECT_EQ(c.Value, 0.514444);
    EXPECT_EQ(c.Unit, "m/s");
}

struct GroupCase {
    const char* name;
    double value;
    const char* text;
};

class GroupedList : public ::testing::TestWithParam<GroupCase> {};

INSTANTIATE_TEST_SUITE_P(Values, GroupedList,
                         ::testing::Values(GroupCase{"FractionKeepsItsDigits", 1.74533E-02, "0.0174533"},
                                           GroupCase{"LargeValueGroupsThousands", 1.49598E+11, "149,598,000,000.00"},
                                           GroupCase{"NegativeFraction", -1.77778E+01, "-17.7778"},
                                           GroupCase{"TinyValueShowsZero", 6.62618E-34, "0.00"},
                                           GroupCase{"OneSeparator", 1.85200E+03, "1,852.00"},
                                           GroupCase{"NegativeLargeValue", -9.46053E+15, "-9,460,530,000,000,000.00"},
                                           GroupCase{"BelowAThousand", 999.5, "999.50"}),
                         RowName<GroupCase>);

TEST_P(GroupedList, ListPatternGroupsThousands) {
    EXPECT_EQ(FormatGrouped(GetParam().value, "##,##0.00" + std::string(20, '#')), GetParam().text);
}

TEST(ConstantWindow, ListAndClick) {
    Calculator calc;
    ConstantWindowModel window(calc);
    ASSERT_EQ(window.Items.size(), 128u);
    EXPECT_EQ(window.Items[0].No, "  1");
    EXPECT_EQ(window.Items[3].Value, "149,598,000,000.00");
    EXPECT_EQ(window.Items[116].Value, "0.00");
    EXPECT_FALSE(window.ApplyEnabled);
    window.ItemClick(12);
    EXPECT_TRUE(window.ApplyEnabled);
    EXPECT_EQ(window.ConsLab, "Constant No.   12");
    window.ItemClick(117);
    EXPECT_EQ(window.ValueBox, "6.62607E-34  ");
    window.ItemClick(4);
    EXPECT_EQ(window.ValueBox, "149598000000  ");
}

struct PickCase {
    const char* name;
    const char* keys;
    int row;  // 0: leave with Exit
    const char* display;
    const char* expo;
};

class ConstantKeyCases : public ::testing::TestWithParam<PickCase> {};

INSTANTIATE_TEST_SUITE_P(Keys, ConstantKeyCases,
                         ::testing::Values(PickCase{"SpeedOfLight", "", 90, "299792000.", ""},
                                           PickCase{"PlankShowsItsExponent", "", 117, "6.62607", "-34"},
                                           PickCase{"ExitLeavesTheDisplay", "4", 0, "4", ""},
                                           PickCase{"IsTheNextOperand", "2 plus", 28, "0.0254", ""},
                                           PickCase{"IgnoredInTheErrorState", "1 divide 0 equal", 90,
                                                    "*Divide by Zero*", ""}),
                         RowName<PickCase>);

TEST_P(ConstantKeyCases, AppliesThePickedRow) {
    const PickCase& c = GetParam();
    Calculator calc;
    ScriptedConstantPicker picker;
    calc.platform.constants = &picker;
    StartCalculator(calc);
    PressKeys(calc, c.keys);
    if (c.row) picker.SetNext(c.row);
    PressKeys(calc, "Cnst");
    EXPECT_EQ(calc.panel.DisplayBox.substr(0, std::string(c.display).size()), c.display);
    EXPECT_EQ(calc.panel.ExpoBox, c.expo);
}

struct CorrectedRow {
    const char* name;
    int row;
    const char* display;  // "DisplayBox|ExpoBox" after applying the row
};

void PrintTo(const CorrectedRow& r, std::ostream* os) { *os << "row " << r.row; }

class CorrectedRows : public ::testing::TestWithParam<CorrectedRow> {};

INSTANTIATE_TEST_SUITE_P(
    Keys, CorrectedRows,
    ::testing::Values(
        CorrectedRow{"LightYear", 8, "9.46073| 15"}, CorrectedRow{"UkBushel", 15, "0.0363687|"},
        CorrectedRow{"UkGallon", 26, "0.00454609|"}, CorrectedRow{"UkPint", 34, "0.000568261|"},
        CorrectedRow{"Tablespoon", 36, "1.47868|-05"}, CorrectedRow{"GravitationalConstant", 44, "6.6743|-11"},
        CorrectedRow{"DegreeFahrenheit", 72, "0.555556|"}, CorrectedRow{"StefanBoltzmannConstant", 89, "5.67037|-08"},
        CorrectedRow{"FirstRadiationConstant", 91, "3.74177|-16"},
        CorrectedRow{"SecondRadiationConstant", 92, "0.0143878|"}, CorrectedRow{"ElementaryCharge", 97, "1.60218|-19"},
        CorrectedRow{"FaradayConstant", 98, "96485.3|"}, CorrectedRow{"BoltzmannConstant", 99, "1.38065|-23"},
        CorrectedRow{"AvogadroConstant", 100, "6.02214| 23"}, CorrectedRow{"MolarGasConstant", 101, "8.31446|"},
        CorrectedRow{"MolarVolume", 102, "0.022414|"}, CorrectedRow{"ProtonGyromagneticRatio", 106, "267522000.|"},
        CorrectedRow{"ProtonGyromagneticRatioInWater", 107, "267515000.|"},
        CorrectedRow{"BohrMagneton", 110, "9.27401|-24"}, CorrectedRow{"ElectronMagneticMoment", 111, "9.28476|-24"},
        CorrectedRow{"NuclearMagneton", 112, "5.05078|-27"}, CorrectedRow{"HartreeEnergy", 115, "4.35974|-18"},
        CorrectedRow{"Electronvolt", 116, "1.60218|-19"}, CorrectedRow{"PlanckConstant", 117, "6.62607|-34"},
        CorrectedRow{"ReducedPlanckConstant", 118, "1.05457|-34"}, CorrectedRow{"HydrogenAtomMass", 119, "1.67353|-27"},
        CorrectedRow{"ElectronMass", 120, "9.10938|-31"}, CorrectedRow{"NeutronMass", 121, "1.67493|-27"},
        CorrectedRow{"ProtonMass", 122, "1.67262|-27"}, CorrectedRow{"FluxoidQuantum", 128, "2.06783|-15"}),
    RowName<CorrectedRow>);

TEST_P(CorrectedRows, ShowTheirValue) {
    Calculator calc;
    ScriptedConstantPicker picker;
    calc.platform.constants = &picker;
    StartCalculator(calc);
    picker.SetNext(GetParam().row);
    PressKeys(calc, "Cnst");
    EXPECT_EQ(calc.panel.DisplayBox + "|" + calc.panel.ExpoBox, GetParam().display);
}

TEST(ConstantKey, EndsTheKeyedNumberWithItsExponent) {
    Calculator calc;
    ScriptedConstantPicker picker;
    calc.platform.constants = &picker;
    StartCalculator(calc);
    picker.SetNext(28);
    PressKeys(calc, "5 exp 3 PM Cnst 2 exp 4");
    EXPECT_EQ(calc.panel.DisplayBox + "|" + calc.panel.ExpoBox, "2.| 04");
}

TEST(ConstantKey, ExitAfterAnApplyLeavesTheDisplay) {
    Calculator calc;
    ScriptedConstantPicker picker;
    calc.platform.constants = &picker;
    StartCalculator(calc);
    picker.SetNext(90);
    PressKeys(calc, "Cnst 7 Cnst");
    EXPECT_EQ(calc.panel.DisplayBox.substr(0, 1), "7");
    EXPECT_EQ(calc.memory.ChosenConstant, "");
    PressKeys(calc, "plus 1 equal");
    EXPECT_EQ(calc.panel.DisplayBox, "8.");
}

}  // namespace
