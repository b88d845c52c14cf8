// SPDX-License-Identifier: MIT
#include "functions/snapping.h"

#include <cmath>
#include <string>

#include "display/number_text.h"

namespace {

// The fraction of |x| at fifteen decimals, cut to `length` characters, is compared with "0." and
// nines; the number of nines is what tells the strict snap from the loose one.
double SnapWithNines(double x, std::size_t length) {
    const double magnitude = std::fabs(x);
    const double whole = std::trunc(magnitude);
    const std::string fraction = FormatPattern(magnitude - whole, FixedPattern(15)).substr(0, length);
    if (fraction != "0." + std::string(length - 2, '9')) return x;
    return std::copysign(whole + 1.0, x);
}

}  // namespace

double SnapNearInteger(double x) { return SnapWithNines(x, 16); }

double SnapNearIntegerLoose(double x) { return SnapWithNines(x, 14); }

double SnapToOneOrZero(double x, int decimals) {
    if (EqualAtDecimals(x, 1.0, decimals)) return 1.0;
    if (EqualAtDecimals(x, 0.0, decimals)) return 0.0;
    return x;
}
