// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/value_cell.h"

struct Calculator;

// A fraction as the calculator writes it: "n/d" or "w/n/d", an optional leading "-".

// Shows a fraction text: "3/1/4" as "3 1/4." and "3/4" as "3/4."; the exponent field empties.
void ShowFractionText(Calculator& calc, const std::string& text);

// The value of a fraction text, or "Error" for a zero or missing denominator or a part that is
// not a whole number. Sets ImproperFractionText to the fraction as n/d.
ValueCell FractionValue(Calculator& calc, const std::string& text);

// The number of "/" separators in a text.
int SeparatorCount(std::string_view text);

// Greatest common divisor by Euclid's algorithm on 32-bit integers: 0 when b is 0, nullopt when
// an operand lies beyond the 32-bit range.
std::optional<std::int32_t> Gcd(double a, double b);

// The repeating block of a decimal fraction among its first fourteen decimals (15 significant
// digits): 1/7 has the period 6 and the block "142857". A repetition that starts after other
// digits (1/6 = 0.1666...) is not found.
struct RepeatingBlock {
    int period = -1;  // -1 = none
    std::string block;
};
RepeatingBlock FindRepeatingBlock(double x);
