// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

// x to the power a, allowing odd roots of negative numbers: (-8)^(1/3) = -2, (-2)^-1 = -0.5.
// Odd or even is decided on the magnitudes of a and 1/a; an exponent whole to 13 decimals counts
// as whole. nullopt when a negative base has no real power ("invalid"), or the result is not
// finite.
std::optional<double> SignedPower(double x, double a);

// v with a fraction that rounds to 0 or 1 at 13 decimals snapped to the whole number; the
// magnitude is snapped and the sign restored.
double SnapWhole(double v);
// v rounded to 13 decimals has no fraction.
bool IsWholeAt13(double v);
