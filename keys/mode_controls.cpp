// SPDX-License-Identifier: MIT
#include "keys/mode_controls.h"

#include <algorithm>

#include "core/calculator.h"
#include "display/display_routines.h"
#include "functions/function_keys.h"

namespace {

void SetAngleMode(Calculator& calc, bool deg, bool rad, bool grad, const char* caption) {
    calc.panel.Mode_Indicator = caption;
    calc.modes.DegreeMode = deg;
    calc.modes.RadianMode = rad;
    calc.modes.GradianMode = grad;
}

int OfferedPrecision(const ValueCell& last) {
    return last.IsEmpty() ? 0 : std::clamp(static_cast<int>(last.Number()), 0, 14);
}

void SelectPrecisionMode(Calculator& calc, Calculator::DisplayOption option, const ValueCell& last,
                         const char* caption) {
    calc.modes.SelectedDisplayOption = option;
    calc.modes.PrecBoxEnabled = true;
    calc.modes.PrecBoxSelection = OfferedPrecision(last);
    calc.panel.DispMode_Indicator = caption;
    PrecBox_Change(calc);
}

}  // namespace

void DegButton_Click(Calculator& calc) { SetAngleMode(calc, true, false, false, "DEGREE"); }
void RadButton_Click(Calculator& calc) { SetAngleMode(calc, false, true, false, "RADIAN"); }
void GradButton_Click(Calculator& calc) { SetAngleMode(calc, false, false, true, "GRADIAN"); }

void FxnButton_Click(Calculator& calc) {
    SelectPrecisionMode(calc, Calculator::DisplayOption::Fixed, calc.modes.LastFixDecimals, "FIX");
}

void ScnButton_Click(Calculator& calc) {
    SelectPrecisionMode(calc, Calculator::DisplayOption::Scientific, calc.modes.LastSciDecimals, "SCI");
}

void StdButton_Click(Calculator& calc) {
    calc.modes.SelectedDisplayOption = Calculator::DisplayOption::Normal;
    calc.modes.PrecBoxEnabled = false;
    calc.modes.PrecBoxSelection = -1;
    calc.panel.DispMode_Indicator = "NORM";
    PrecBox_Change(calc);
}

void PrecBox_Click(Calculator& calc, int index) {
    if (index < 0 || index > 14) return;
    calc.modes.PrecBoxSelection = index;
    PrecBox_Change(calc);
}

ValueCell ReadPrecisionChoice(const Calculator& calc) {
    return calc.modes.PrecBoxSelection < 0 ? ValueCell() : ValueCell(calc.modes.PrecBoxSelection);
}

void PrecBox_Change(Calculator& calc) {
    switch (calc.modes.SelectedDisplayOption) {
    case Calculator::DisplayOption::Fixed:
        calc.modes.FixDecimals = ReadPrecisionChoice(calc);
        calc.modes.LastFixDecimals = calc.modes.FixDecimals;
        calc.modes.SciDecimals = ValueCell();
        break;
    case Calculator::DisplayOption::Scientific:
        calc.modes.SciDecimals = ReadPrecisionChoice(calc);
        calc.modes.LastSciDecimals = calc.modes.SciDecimals;
        calc.modes.FixDecimals = ValueCell();
        break;
    case Calculator::DisplayOption::Normal:
        calc.modes.FixDecimals = ValueCell();
        calc.modes.SciDecimals = ValueCell();
        break;
    }
    RefreshDisplay(calc);
}

void RefreshDisplay(Calculator& calc) {
    // The error stays on the display; the new mode applies to the numbers that follow.
    if (!calc.entry.ErrorLocked) {
        if (calc.entry.FractionEntry) ShowFractionText(calc);
        else DisplayValueOrText(calc, calc.formula.DisplayValue, ValueCell());
    }
    calc.entry.KeyToken.clear();
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
    if (calc.modes.DegreeMode) mode.angle = ModePanel::Angle::Degree;
    else if (calc.modes.RadianMode) mode.angle = ModePanel::Angle::Radian;
    else if (calc.modes.GradianMode) mode.angle = ModePanel::Angle::Gradian;
    switch (calc.modes.SelectedDisplayOption) {
    case Calculator::DisplayOption::Normal: mode.display = ModePanel::Display::Normal; break;
    case Calculator::DisplayOption::Fixed: mode.display = ModePanel::Display::Fixed; break;
    case Calculator::DisplayOption::Scientific: mode.display = ModePanel::Display::Scientific; break;
    }
    mode.precisionEnabled = calc.modes.PrecBoxEnabled;
    mode.precisionSelection = calc.modes.PrecBoxSelection;
    mode.clockShowing = calc.modes.ClockShowing;
    return mode;
}

void InitializeModeControls(Calculator& calc) {
    if (calc.modes.RadianMode) RadButton_Click(calc);
    else if (calc.modes.GradianMode) GradButton_Click(calc);
    else DegButton_Click(calc);
    calc.modes.PrecBoxEnabled = false;
    calc.modes.PrecBoxSelection = -1;
    if (!calc.modes.FixDecimals.IsEmpty()) FxnButton_Click(calc);
    else if (!calc.modes.SciDecimals.IsEmpty()) ScnButton_Click(calc);
    else StdButton_Click(calc);
}
