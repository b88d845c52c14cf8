// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

#include "core/value_cell.h"
#include "display/mode_panel.h"

struct Calculator;

// The mode page's handlers. The page's widgets mirror the model fields of Calculator
// (SelectedDisplayOption, PrecBoxSelection, PrecBoxEnabled) and call these.
void DegButton_Click(Calculator& calc);
void RadButton_Click(Calculator& calc);
void GradButton_Click(Calculator& calc);
void FxnButton_Click(Calculator& calc);
void ScnButton_Click(Calculator& calc);
void StdButton_Click(Calculator& calc);

// The user picked precision `index` (0 to 14) in the list.
void PrecBox_Click(Calculator& calc, int index);
void PrecBox_Change(Calculator& calc);
ValueCell ReadPrecisionChoice(const Calculator& calc);
void RefreshDisplay(Calculator& calc);

// Clicks a mode control by its name ("DegButton" ... "StdButton"); for FxnButton and ScnButton a
// precision, when given, is then picked in the list. False for a name that is no mode control.
bool ClickModeControl(Calculator& calc, std::string_view name, std::optional<int> precision);

// The mode controls as the state has them. Start-up and the angle buttons set exactly one angle
// flag; before start-up no angle option shows.
ModePanel MakeModePanel(const Calculator& calc);

// The start-up pass through the same handlers: the angle button of the set flag (degrees when
// none), the empty precision list, the display option of the current mode.
void InitializeModeControls(Calculator& calc);
