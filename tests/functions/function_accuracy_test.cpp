// SPDX-License-Identifier: MIT
// Every function key against its formula evaluated independently in long double, at the fifteen
// significant digits the display shows, over samples across the domain and beyond it.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/calculator.h"
#include "core/error_state.h"
#include "display/number_text.h"
#include "functions/function_keys.h"
#include "functions/snapping.h"
#include "support/key_driver.h"

namespace {

constexpr long double P = 3.14159265358979;
constexpr int kSamples = 240;

enum class Unit { Degrees, Radians, Gradians };

// The formula's answer: a value, or the reason it fails.
struct Expected {
    long double value = 0;
    ErrorCause reason = ErrorCause::None;
};
Expected Value(long double v) { return {v, ErrorCause::None}; }
Expected Failure(ErrorCause reason) { return {0, reason}; }

using Formula = std::function<Expected(long double x, Unit unit)>;
using Sampler = std::function<double(std::mt19937_64&)>;

// Arguments as the display holds them: fifteen significant digits.
double Shown(double x) { return ReadNumber(PlainText(x)); }

Sampler Uniform(double low, double high) {
    return [=](std::mt19937_64& rng) { return Shown(std::uniform_real_distribution<double>(low, high)(rng)); };
}
// Magnitudes spread over a range of decimal exponents (by default the display's), either sign.
Sampler Spread(bool negativeToo, double lowExponent = -99.0, double highExponent = 99.9) {
    return [=](std::mt19937_64& rng) {
        const double magnitude = std::pow(10.0, std::uniform_real_distribution<double>(lowExponent, highExponent)(rng));
        const bool negative = negativeToo && std::bernoulli_distribution(0.5)(rng);
        return Shown(negative ? -magnitude : magnitude);
    };
}
Sampler Mixed(Sampler a, Sampler b) {
    return [=](std::mt19937_64& rng) { return std::bernoulli_distribution(0.5)(rng) ? a(rng) : b(rng); };
}

// An angle of the unit in degrees, reduced to one turn (in its own unit first, which is exact).
long double DegreesOf(long double x, Unit unit) {
    if (unit == Unit::Radians) return std::fmod(x, 2 * P) / P * 180;
    if (unit == Unit::Gradians) return std::fmod(x, 400.0L) / 200 * 180;
    return std::fmod(x, 360.0L);
}
long double InUnit(long double degrees, Unit unit) {
    degrees = std::fmod(degrees, 360.0L);
    return unit == Unit::Radians ? degrees * P / 180 : unit == Unit::Gradians ? degrees * 200 / 180 : degrees;
}
long double Radians(long double x, Unit unit) { return DegreesOf(x, unit) * P / 180; }
Expected Snapped(long double v) { return Value(SnapNearInteger(static_cast<double>(v))); }

// Agreement at fifteen significant digits: within one unit of the fifteenth digit.
bool AgreesAt15(double got, long double want) {
    if (want == 0) return got == 0;
    const long double unit = std::pow(10.0L, std::floor(std::log10(std::fabs(want))) - 14);
    return std::fabs(got - want) <= unit;
}

struct FunctionCase {
    const char* token;
    bool trig;
    Sampler sample;
    Formula formula;
};

void CheckFunction(const FunctionCase& f, Unit unit, std::uint64_t seed) {
    std::mt19937_64 rng(seed);
    int checkedValues = 0;
    for (int i = 0; i < kSamples; ++i) {
        const double x = f.sample(rng);
        Calculator calc;
        StartCalculator(calc);
        PressKeys(calc, unit == Unit::Radians ? "RadButton" : unit == Unit::Gradians ? "GradButton" : "DegButton");
        calc.formula.DisplayValue = x;
        calc.entry.KeyToken.clear();
        if (f.trig) TrigFunction(calc, f.token);
        else UnaryFunction(calc, f.token);

        Expected want = f.formula(x, unit);
        // The display limits of InjectValue: 1E100 and above is an error, below 1E-99 shows 0.
        if (want.reason == ErrorCause::None && std::fabs(want.value) >= 1e100L) want = Failure(ErrorCause::Infinity);
        const std::string label = std::string(f.token) + " " + PlainText(x) +
                                  (unit == Unit::Radians    ? " rad"
                                   : unit == Unit::Gradians ? " grad"
                                                            : "");
        if (want.reason != ErrorCause::None) {
            EXPECT_EQ(calc.entry.KeyToken, "Error") << label;
            EXPECT_STREQ(ErrorText(calc.formula.ErrorReason), ErrorText(want.reason)) << label;
        } else if (std::fabs(want.value) < 1e-99L) {
            EXPECT_EQ(calc.entry.KeyToken, "0") << label;
        } else {
            ASSERT_NE(calc.entry.KeyToken, "Error") << label << " reason " << ErrorText(calc.formula.ErrorReason);
            EXPECT_TRUE(AgreesAt15(calc.entry.InjectedValue, want.value))
                << label << ": got " << PlainText(calc.entry.InjectedValue) << ", want "
                << PlainText(static_cast<double>(want.value));
            ++checkedValues;
        }
    }
    EXPECT_GT(checkedValues, kSamples / 3) << f.token << ": too few samples inside the domain";
}

const std::vector<FunctionCase>& UnaryCases() {
    static const std::vector<FunctionCase> cases = {
        {"sqr", false, Spread(true, -60, 60), [](long double x, Unit) { return Value(x * x); }},
        {"sqrt", false, Spread(true),
         [](long double x, Unit) { return x < 0 ? Failure(ErrorCause::Undefined) : Value(std::sqrt(x)); }},
        {"cube", false, Spread(true, -40, 40), [](long double x, Unit) { return Value(x * x * x); }},
        {"cubt", false, Spread(true), [](long double x, Unit) { return Value(std::cbrt(x)); }},
        {"log", false, Mixed(Spread(true), Uniform(0.5, 2)),
         [](long double x, Unit) { return x <= 0 ? Failure(ErrorCause::OutOfRange) : Snapped(std::log10(x)); }},
        {"ln", false, Mixed(Spread(true), Uniform(0.5, 2)),
         [](long double x, Unit) { return x <= 0 ? Failure(ErrorCause::OutOfRange) : Snapped(std::log(x)); }},
        {"alog", false, Mixed(Uniform(-120, 120), Uniform(-400, 400)),
         [](long double x, Unit) { return x > 308.2 ? Failure(ErrorCause::Undefined) : Value(std::pow(10.0L, x)); }},
        {"aln", false, Mixed(Uniform(-240, 240), Uniform(-800, 800)),
         [](long double x, Unit) { return x > 709.78 ? Failure(ErrorCause::Undefined) : Value(std::exp(x)); }},
        {"rcp", false, Spread(true), [](long double x, Unit) { return Snapped(1 / x); }},
        {"fact", false,
         [](std::mt19937_64& rng) {
             // Mostly the shown range 0! to 69!, some beyond the display and beyond 170!.
             const bool shown = std::bernoulli_distribution(0.8)(rng);
             const int n = std::uniform_int_distribution<int>(shown ? -5 : 70, shown ? 75 : 200)(rng);
             return std::bernoulli_distribution(0.1)(rng) ? n + 0.5 : n;
         },
         [](long double x, Unit) {
             if (x != std::floor(x)) return Failure(ErrorCause::Unnamed);
             if (x < 0) return Failure(ErrorCause::OutOfRange);
             return x > 170 ? Failure(ErrorCause::Infinity) : Value(std::tgamma(x + 1));
         }},
        {"sinh", true, Mixed(Uniform(-800, 800), Spread(true, -99, 2.5)),
         [](long double x, Unit) {
             return std::fabs(x) > 709.78 ? Failure(ErrorCause::Undefined) : Value(std::sinh(x));
         }},
        {"cosh", true, Mixed(Uniform(-800, 800), Spread(true, -99, 2.5)),
         [](long double x, Unit) {
             return std::fabs(x) > 709.78 ? Failure(ErrorCause::Undefined) : Value(std::cosh(x));
         }},
        {"tanh", true, Mixed(Uniform(-800, 800), Spread(true, -99, 2.5)),
         [](long double x, Unit) { return Value(std::fabs(x) > 709.78 ? (x > 0 ? 1 : -1) : std::tanh(x)); }},
        {"isinh", true, Spread(true), [](long double x, Unit) { return Value(std::asinh(x)); }},
        {"icosh", true, Mixed(Uniform(-3, 10), Spread(true)),
         [](long double x, Unit) { return x < 1 ? Failure(ErrorCause::Undefined) : Value(std::acosh(x)); }},
        {"itanh", true, Uniform(-1.2, 1.2),
         [](long double x, Unit) { return std::fabs(x) >= 1 ? Failure(ErrorCause::Undefined) : Value(std::atanh(x)); }},
    };
    return cases;
}

const std::vector<FunctionCase>& AngleCases() {
    static const std::vector<FunctionCase> cases = {
        {"sin", true, Uniform(-2000, 2000), [](long double x, Unit u) { return Snapped(std::sin(Radians(x, u))); }},
        {"cos", true, Uniform(-2000, 2000), [](long double x, Unit u) { return Snapped(std::cos(Radians(x, u))); }},
        {"tan", true, Uniform(-2000, 2000), [](long double x, Unit u) { return Snapped(std::tan(Radians(x, u))); }},
        {"iSin", true, Uniform(-1.2, 1.2),
         [](long double x, Unit u) {
             return std::fabs(x) > 1 ? Failure(ErrorCause::Undefined) : Value(InUnit(std::asin(x) * 180 / P, u));
         }},
        {"iCos", true, Uniform(-1.2, 1.2),
         [](long double x, Unit u) {
             if (std::fabs(x) > 1) return Failure(ErrorCause::Undefined);
             return Value(SnapNearIntegerLoose(static_cast<double>(InUnit(std::acos(x) * 180 / P, u))));
         }},
        {"iTan", true, Spread(true), [](long double x, Unit u) { return Value(InUnit(std::atan(x) * 180 / P, u)); }},
    };
    return cases;
}

TEST(FunctionAccuracy, UnaryAndHyperbolicKeysFollowTheirFormulas) {
    std::uint64_t seed = 1;
    for (const FunctionCase& f : UnaryCases()) CheckFunction(f, Unit::Degrees, seed++);
}

TEST(FunctionAccuracy, AngleKeysFollowTheirFormulasInEveryUnit) {
    std::uint64_t seed = 100;
    for (Unit unit : {Unit::Degrees, Unit::Radians, Unit::Gradians})
        for (const FunctionCase& f : AngleCases()) CheckFunction(f, unit, seed++);
}

}  // namespace
