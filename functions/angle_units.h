// SPDX-License-Identifier: MIT
#pragma once

struct Calculator;

// The calculator's pi: the double nearest 3.14159265358979, used by the PI key and every
// conversion between degrees and radians (never the more exact pi).
inline constexpr double kCalculatorPi = 3.14159265358979;

// d degrees, reduced below one turn (keeping its sign), in the current angle unit.
double DegreesToAngleUnit(const Calculator& calc, double degrees);
// u in the current angle unit as degrees, reduced below one turn (keeping its sign).
double AngleUnitToDegrees(const Calculator& calc, double u);

// u in the current unit as radians through the calculator's pi, computed in long double so that
// the trigonometric functions keep fifteen digits near their zeros.
long double AngleUnitToRadians(const Calculator& calc, double u);
// One full turn in the current unit: 360 degrees, 400 gradians or 2 times the calculator's pi.
double FullTurn(const Calculator& calc);
// u reduced below one full turn in the current unit, keeping its sign. fmod is exact, so even an
// angle far beyond 2^53 keeps its true place on the turn; the conversions above and the exact
// results of the trigonometric functions all start from this one reduction.
double ReducedToOneTurn(const Calculator& calc, double u);
