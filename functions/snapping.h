// SPDX-License-Identifier: MIT
#pragma once

// Results that fall a hair short of a whole number are cleaned up before they are shown.

// x whose fraction, at fifteen decimals, reads 0.99999999999999 (fourteen nines) becomes the next
// whole number away from zero: 2.99999999999999 -> 3, -0.999999999999995 -> -1.
double SnapNearInteger(double x);
// The same test at twelve nines, for results that lose more digits (arc cosine, d/c).
double SnapNearIntegerLoose(double x);
// 1 when x equals 1 at n decimals, else 0 when x equals 0 at n decimals, else x.
double SnapToOneOrZero(double x, int decimals);
