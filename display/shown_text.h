// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "display/display_panel.h"

struct Calculator;

// The display written on one line, as the paper tape prints it: the mantissa label, then "E"
// and the signed exponent when the exponent field shows one ("1.5" and " 20" -> "1.5E+20"); an
// error's reason without its asterisks ("*Divide by Zero*" -> "Divide by Zero").
std::string ShownText(const DisplayPanel& panel);

// The display's mantissa label as the window shows it and a screen reader reads it: an error's
// reason between asterisks in the user's language ("*Divide by Zero*" -> "*Division durch Null*").
std::string DisplayedBox(std::string_view displayBox);

// A shown text as an operand is written: without the point that only marks the end of a whole
// mantissa ("14." -> "14", "1.E+20" -> "1E+20", "1 2/3." -> "1 2/3"; "2.5" stays).
std::string OperandText(std::string_view shown);

// What the display would show for the value in the current display mode, on one line.
std::string ValueText(const Calculator& calc, double value);
