// SPDX-License-Identifier: MIT
// Sine, cosine, tangent and their inverses in the current angle unit, and the hyperbolic keys.
#include <array>
#include <cmath>
#include <string_view>

#include "core/calculator.h"
#include "core/error_state.h"
#include "display/number_text.h"
#include "functions/angle_units.h"
#include "functions/function_keys.h"
#include "functions/function_result.h"
#include "functions/snapping.h"

namespace {

constexpr long double kDegreesPerRadian = 180.0L / kCalculatorPi;

// Where an angle lies on the turn, for the exact results at the axes. The angle is reduced to one
// turn in the current unit first, so that 540 degrees, -180 degrees and 3 half turns in radians
// are recognised as well as the angles of the first turn. It is the reduction the functions
// compute from: 1E+20 degrees lies at 280 degrees for both.
class AngleOnTurn {
public:
    AngleOnTurn(const Calculator& calc, double x)
        : turn_(FullTurn(calc)), reduced_(std::fabs(ReducedToOneTurn(calc, x))) {}

    bool AtHalfTurns(int decimals) const { return IsAt(0.0, decimals) || IsAt(0.5, decimals) || IsAt(1.0, decimals); }
    bool AtRightAngles(int decimals) const { return IsAt(0.25, decimals) || IsAt(0.75, decimals); }

private:
    bool IsAt(double partOfTurn, int decimals) const { return EqualAtDecimals(reduced_, partOfTurn * turn_, decimals); }
    double turn_;
    double reduced_;
};

FunctionResult Sine(const Calculator& calc, double x) {
    if (AngleOnTurn(calc, x).AtHalfTurns(10)) return FunctionResult::Ok(0.0);
    return FunctionResult::Ok(SnapNearInteger(static_cast<double>(std::sin(AngleUnitToRadians(calc, x)))));
}

FunctionResult Cosine(const Calculator& calc, double x) {
    if (AngleOnTurn(calc, x).AtRightAngles(10)) return FunctionResult::Ok(0.0);
    return FunctionResult::Ok(SnapNearInteger(static_cast<double>(std::cos(AngleUnitToRadians(calc, x)))));
}

FunctionResult Tangent(const Calculator& calc, double x) {
    const AngleOnTurn angle(calc, x);
    const long double r = AngleUnitToRadians(calc, x);
    const double cosine = static_cast<double>(std::cos(r));
    if (angle.AtRightAngles(15) || cosine == 0.0) return FunctionResult::Fail(ErrorCause::OutOfRange);
    if (angle.AtHalfTurns(15)) return FunctionResult::Ok(0.0);
    return FunctionResult::Ok(SnapNearInteger(static_cast<double>(std::tan(r))));
}

// The inverse functions compute degrees and then convert them to the current unit.
FunctionResult ArcSine(const Calculator& calc, double x) {
    if (std::fabs(x) > 1.0) return FunctionResult::Fail(ErrorCause::Undefined);
    if (x == 1.0 || x == -1.0) return FunctionResult::Ok(DegreesToAngleUnit(calc, 90.0 * x));
    const long double xl = x;
    const long double degrees = std::atan(xl / std::sqrt((1.0L - xl) * (1.0L + xl))) * kDegreesPerRadian;
    return FunctionResult::Ok(DegreesToAngleUnit(calc, static_cast<double>(degrees)));
}

FunctionResult ArcCosine(const Calculator& calc, double x) {
    if (std::fabs(x) > 1.0) return FunctionResult::Fail(ErrorCause::Undefined);
    if (x == 1.0) return FunctionResult::Ok(0.0);
    if (x == -1.0) return FunctionResult::Ok(DegreesToAngleUnit(calc, 180.0));
    const long double xl = x;
    const long double degrees =
        (std::atan(-xl / std::sqrt((1.0L - xl) * (1.0L + xl))) + 2.0L * std::atan(1.0L)) * kDegreesPerRadian;
    return FunctionResult::Ok(SnapNearIntegerLoose(DegreesToAngleUnit(calc, static_cast<double>(degrees))));
}

FunctionResult ArcTangent(const Calculator& calc, double x) {
    const long double degrees = std::atan(static_cast<long double>(x)) * kDegreesPerRadian;
    return FunctionResult::Ok(DegreesToAngleUnit(calc, static_cast<double>(degrees)));
}

// The hyperbolic keys ignore the angle unit. They fail where their exponential form would
// overflow a double (|x| above about 709.78) but are computed by the library functions, which
// keep full precision where the exponential form cancels (small |x|, negative arc sinh).
bool ExponentialOverflows(double x) { return !std::isfinite(std::exp(std::fabs(x))); }

FunctionResult HyperbolicSine(const Calculator&, double x) {
    if (ExponentialOverflows(x)) return FunctionResult::Fail(ErrorCause::Undefined);
    return FunctionResult::Ok(std::sinh(x));
}

FunctionResult HyperbolicCosine(const Calculator&, double x) {
    if (ExponentialOverflows(x)) return FunctionResult::Fail(ErrorCause::Undefined);
    return FunctionResult::Ok(std::cosh(x));
}

FunctionResult HyperbolicTangent(const Calculator&, double x) {
    if (ExponentialOverflows(x)) return FunctionResult::Ok(x > 0 ? 1.0 : -1.0);
    return FunctionResult::Ok(std::tanh(x));
}

FunctionResult ArcHyperbolicSine(const Calculator&, double x) { return FunctionResult::Ok(std::asinh(x)); }

FunctionResult ArcHyperbolicCosine(const Calculator&, double x) {
    if (x < 1.0) return FunctionResult::Fail(ErrorCause::Undefined);
    return FunctionResult::Ok(std::acosh(x));
}

FunctionResult ArcHyperbolicTangent(const Calculator&, double x) {
    if (std::fabs(x) >= 1.0) return FunctionResult::Fail(ErrorCause::Undefined);
    return FunctionResult::Ok(std::atanh(x));
}

struct TrigKey {
    std::string_view token;
    FunctionResult (*compute)(const Calculator&, double);
};

constexpr std::array kTrigKeys = std::to_array<TrigKey>({
    {"sin", Sine},
    {"cos", Cosine},
    {"tan", Tangent},
    {"iSin", ArcSine},
    {"iCos", ArcCosine},
    {"iTan", ArcTangent},
    {"sinh", HyperbolicSine},
    {"cosh", HyperbolicCosine},
    {"tanh", HyperbolicTangent},
    {"isinh", ArcHyperbolicSine},
    {"icosh", ArcHyperbolicCosine},
    {"itanh", ArcHyperbolicTangent},
});

}  // namespace

bool IsTrigFunctionToken(std::string_view token) {
    for (const TrigKey& key : kTrigKeys)
        if (key.token == token) return true;
    return false;
}

void TrigFunction(Calculator& calc, std::string_view token) {
    // A fraction that failed to complete in this key's prelude has already shown its error.
    if (calc.entry.ErrorLocked) return;
    for (const TrigKey& key : kTrigKeys) {
        if (key.token == token) {
            DeliverResult(calc, key.compute(calc, calc.formula.DisplayValue.Number()));
            return;
        }
    }
}
