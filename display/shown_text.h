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

// A shown text as an operand is written: without the point that only marks the end of a whole
// mantissa ("14." -> "14", "1.E+20" -> "1E+20", "1 2/3." -> "1 2/3"; "2.5" stays).
std::string OperandText(std::string_view shown);

// What the display would show for the value in the current display mode, on one line.
std::string ValueText(const Calculator& calc, double value);
