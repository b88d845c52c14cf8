// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "core/value_cell.h"

struct Calculator;

// The value formatted by the current display mode (random format, Fixed, Scientific, Normal).
// In Normal mode `forDisplay` chooses LimitSignificantDigits of the plain text over the plain
// text itself. Formatting a value with the random format clears RandomFormat only in
// InjectValue.
std::string FormatByMode(const Calculator& calc, double value, bool forDisplay);

// Turns a computed value into the text the engine shows next: KeyToken, InjectedValue,
// ValueInjected; at the exponent limits "Error"/"Infinity" or "0".
void InjectValue(Calculator& calc, double value);

// Shows `text` when it is not empty, else `value` formatted by the display mode.
void DisplayValueOrText(Calculator& calc, const ValueCell& value, const ValueCell& text);

// The mantissa label and the exponent field that show a formatted text: "1.5E+20" -> "1.5" and
// " 20", "1E-05" -> "1." and "-05", "14" -> "14." and "".
struct ShownParts {
    std::string mantissa;
    std::string exponent;
};
ShownParts SplitForDisplay(std::string_view text);

// Shows a ready-made text with an exponent part: mantissa in DisplayBox, sign and two digits
// in ExpoBox. A text without "E" changes neither label.
void ShowExponentText(Calculator& calc, const std::string& text, const ValueCell& value);
