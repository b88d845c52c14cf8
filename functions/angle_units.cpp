// SPDX-License-Identifier: MIT
#include "functions/angle_units.h"

#include <cmath>

#include "core/calculator.h"

namespace {

// The angle is reduced to one turn in its own unit before it is converted, so the conversion only
// ever sees an angle below one turn and keeps its digits even for 1E+15 radians. The result keeps
// the sign of the argument, as the calculator's RealMod does.
long double ToDegreesReduced(const Calculator& calc, double u) {
    const long double reduced = ReducedToOneTurn(calc, u);
    if (calc.modes.RadianMode) return std::fmod(reduced * (180.0L / kCalculatorPi), 360.0L);
    if (calc.modes.GradianMode) return std::fmod(reduced * (180.0L / 200.0L), 360.0L);
    return reduced;
}

}  // namespace

double DegreesToAngleUnit(const Calculator& calc, double degrees) {
    const long double reduced = std::fmod(static_cast<long double>(degrees), 360.0L);
    if (calc.modes.RadianMode) return static_cast<double>(reduced * kCalculatorPi / 180.0L);
    if (calc.modes.GradianMode) return static_cast<double>(reduced * 200.0L / 180.0L);
    return static_cast<double>(reduced);
}

double AngleUnitToDegrees(const Calculator& calc, double u) { return static_cast<double>(ToDegreesReduced(calc, u)); }

long double AngleUnitToRadians(const Calculator& calc, double u) {
    return ToDegreesReduced(calc, u) * (kCalculatorPi / 180.0L);
}

double FullTurn(const Calculator& calc) {
    if (calc.modes.RadianMode) return 2.0 * kCalculatorPi;
    if (calc.modes.GradianMode) return 400.0;
    return 360.0;
}

double ReducedToOneTurn(const Calculator& calc, double u) { return std::fmod(u, FullTurn(calc)); }
