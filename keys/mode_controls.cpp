// SPDX-License-Identifier: MIT
#include "keys/mode_controls.h"

#include <algorithm>

#include "core/calculator.h"
#include "display/display_routines.h"
#include "functions/function_keys.h"

namespace {

void SetAngleMode(Calculator& calc, bool deg, bool rad, bool grad, const char* caption) {
    calc.panel.Mode_Indicator = caption;
    calc.DegreeMode = deg;
    calc.RadianMode = rad;
    calc.GradianMode = grad;
}

int OfferedPrecision(const ValueCell& last) {
    return last.IsEmpty() ? 0 : std::clamp(static_cast<int>(last.Number()), 0, 14);
}

void SelectPrecisionMode(Calculator& calc, Calculator::DisplayOption option, const ValueCell& last,
                         const char* caption) {
    calc.SelectedDisplayOption = option;
    calc.PrecBoxEnabled = true;
    calc.PrecBoxSelection = OfferedPrecision(last);
    calc.panel.DispMode_Indicator = caption;
    PrecBox_Change(calc);
}

}  // namespace

void DegButton_Click(Calculator& calc) { SetAngleMode(calc, true, false, false, "DEGREE"); }
void RadButton_Click(Calculator& calc) { SetAngleMode(calc, false, true, false, "RADIAN"); }
void GradButton_Click(Calculator& calc) { SetAngleMode(calc, false, false, true, "GRADIAN"); }

void FxnButton_Click(Calculator& calc) {
    SelectPrecisionMode(calc, Calculator::DisplayOption::Fixed, calc.LastFixDecimals, "FIX");
}

void ScnButton_Click(Calculator& calc) {
    SelectPrecisionMode(calc, Calculator::DisplayOption::Scientific, calc.LastSciDecimals, "SCI");
}

void StdButton_Click(Calculator& calc) {
    calc.SelectedDisplayOption = Calculator::DisplayOption::Normal;
    calc.PrecBoxEnabled = false;
    calc.PrecBoxSelection = -1;
    calc.panel.DispMode_Indicator = "NORM";
    PrecBox_Change(calc);
}

void PrecBox_Click(Calculator& calc, int index) {
    if (index < 0 || index > 14) return;
    calc.PrecBoxSelection = index;
    PrecBox_Change(calc);
}

ValueCell ReadPrecisionChoice(const Calculator& calc) {
    return calc.PrecBoxSelection < 0 ? ValueCell() : ValueCell(calc.PrecBoxSelection);
}

void PrecBox_Change(Calculator& calc) {
    switch (calc.SelectedDisplayOption) {
    case Calculator::DisplayOption::Fixed:
        calc.FixDecimals = ReadPrecisionChoice(calc);
        calc.LastFixDecimals = calc.FixDecimals;
        calc.SciDecimals = ValueCell();
        break;
    case Calculator::DisplayOption::Scientific:
        calc.SciDecimals = ReadPrecisionChoice(calc);
        calc.LastSciDecimals = calc.SciDecimals;
        calc.FixDecimals = ValueCell();
        break;
    case Calculator::DisplayOption::Normal:
        calc.FixDecimals = ValueCell();
        calc.SciDecimals = ValueCell();
        break;
    }
    RefreshDisplay(calc);
}

void RefreshDisplay(Calculator& calc) {
    // The error stays on the display; the new mode applies to the numbers that follow.
    if (!calc.ErrorLocked) {
        if (calc.FractionEntry) ShowFractionText(calc);
        else DisplayValueOrText(calc, calc.DisplayValue, ValueCell());
    }
    calc.KeyToken.clear();
}

bool ClickModeControl(Calculator& calc, std::string_view name, std::optional<int> precision) {
    if (name == "DegButton") DegButton_Click(calc);
    else if (name == "RadButton") RadButton_Click(calc);
    else if (name == "GradButton") GradButton_Click(calc);
    else if (name == "StdButton") StdButton_Click(calc);
    else if (name == "FxnButton" || name == "ScnButton") {
        if (name == "FxnButton") FxnButton_Click(calc);
        else ScnButton_Click(calc);
        if (precision) PrecBox_Click(calc, *precision);
    } else {
        return false;
    }
    return true;
}

ModePanel MakeModePanel(const Calculator& calc) {
    ModePanel mode;
    if (calc.DegreeMode) mode.angle = ModePanel::Angle::Degree;
    else if (calc.RadianMode) mode.angle = ModePanel::Angle::Radian;
    else if (calc.GradianMode) mode.angle = ModePanel::Angle::Gradian;
    switch (calc.SelectedDisplayOption) {
    case Calculator::DisplayOption::Normal: mode.display = ModePanel::Display::Normal; break;
    case Calculator::DisplayOption::Fixed: mode.display = ModePanel::Display::Fixed; break;
    case Calculator::DisplayOption::Scientific: mode.display = ModePanel::Display::Scientific; break;
    }
    mode.precisionEnabled = calc.PrecBoxEnabled;
    mode.precisionSelection = calc.PrecBoxSelection;
    mode.clockShowing = calc.ClockShowing;
    return mode;
}

void InitializeModeControls(Calculator& calc) {
    if (calc.RadianMode) RadButton_Click(calc);
    else if (calc.GradianMode) GradButton_Click(calc);
    else DegButton_Click(calc);
    calc.PrecBoxEnabled = false;
    calc.PrecBoxSelection = -1;
    if (!calc.FixDecimals.IsEmpty()) FxnButton_Click(calc);
    else if (!calc.SciDecimals.IsEmpty()) ScnButton_Click(calc);
    else StdButton_Click(calc);
}
