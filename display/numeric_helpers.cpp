// SPDX-License-Identifier: MIT
// Small numeric helpers shared by the display and the functions.
#include "display/number_text.h"

#include <algorithm>
#include <cmath>

double RealMod(double a, double b) { return a - std::trunc(a / b) * b; }

double MinOf(std::span<const double> values) {
    if (values.empty()) return 0.0;
    double smallest = values.front();
    for (double v : values)
        if (v < smallest) smallest = v;
    return smallest;
}

double MaxOf(std::span<const double> values) {
    if (values.empty()) return 0.0;
    double largest = values.front();
    for (double v : values)
        if (v > largest) largest = v;
    return largest;
}

bool EqualAtDecimals(double a, double b, int decimals) {
    const std::string pattern = FixedPattern(std::max(0, decimals));
    return ReadNumber(FormatPattern(a, pattern)) == ReadNumber(FormatPattern(b, pattern));
}
