// SPDX-License-Identifier: MIT
// The one-operand keys of the first two pages: powers, roots, logarithms, reciprocal, factorial.
#include <array>
#include <cmath>
#include <string_view>

#include "core/calculator.h"
#include "core/error_state.h"
#include "display/number_text.h"
#include "functions/function_keys.h"
#include "functions/function_result.h"
#include "functions/snapping.h"

namespace {

// Each plain function fails for one reason only, whatever went wrong (a domain error gives NaN,
// a pole or an overflow an infinity), so a non-finite value is all a row needs to report.
struct PlainFunction {
    std::string_view token;
    double (*formula)(double);
    ErrorCause reason;
    bool snap;
};

double Sign(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }

constexpr std::array kPlainFunctions = std::to_array<PlainFunction>({
    {"sqr", [](double x) { return std::pow(x, 2.0); }, ErrorCause::Infinity, false},
    {"sqrt", [](double x) { return std::pow(x, 0.5); }, ErrorCause::Undefined, false},
    {"cube", [](double x) { return Sign(x) * std::pow(std::fabs(x), 3.0); }, ErrorCause::Infinity, false},
    // The exact cube root: a power with 1/3 rounded to a double misses the fifteenth digit for
    // large and small magnitudes (the cube root of 1E30 would show 9999999999.99999).
    {"cubt", [](double x) { return std::cbrt(x); }, ErrorCause::Undefined, false},
    {"log", [](double x) { return std::log(x) / std::log(10.0); }, ErrorCause::OutOfRange, true},
    {"alog", [](double x) { return std::pow(10.0, x); }, ErrorCause::Undefined, false},
    {"ln", [](double x) { return std::log(x); }, ErrorCause::OutOfRange, true},
    {"aln", [](double x) { return std::exp(x); }, ErrorCause::Undefined, false},
    {"rcp", [](double x) { return 1.0 / x; }, ErrorCause::DivideByZero, true},
});

// 170! is the largest factorial a double holds; beyond it the answer is known without the work.
constexpr double kLargestFactorialArgument = 170.0;

FunctionResult Factorial(double x) {
    if (x - std::floor(x) != 0.0) return FunctionResult::Fail(ErrorCause::Unnamed);
    if (x == 0.0) return FunctionResult::Ok(1.0);
    if (x < 0.0) return FunctionResult::Fail(ErrorCause::OutOfRange);
    if (x > kLargestFactorialArgument) return FunctionResult::Fail(ErrorCause::Infinity);
    // A loop instead of the recursion; long double keeps the rounding of 170 products well
    // below the fifteenth digit.
    long double product = 1.0L;
    for (int n = 2; n <= static_cast<int>(x); ++n) product *= n;
    const double value = static_cast<double>(product);
    if (!std::isfinite(value)) return FunctionResult::Fail(ErrorCause::Infinity);
    // The result is the number its fifteen shown digits say.
    return FunctionResult::Ok(ReadNumber(PlainText(value)));
}

FunctionResult Evaluate(const PlainFunction& f, double x) {
    double value = f.formula(x);
    if (!std::isfinite(value)) return FunctionResult::Fail(f.reason);
    if (f.snap) value = SnapNearInteger(value);
    return FunctionResult::Ok(value);
}

}  // namespace

bool IsUnaryFunctionToken(std::string_view token) {
    if (token == "fact") return true;
    for (const PlainFunction& f : kPlainFunctions)
        if (f.token == token) return true;
    return false;
}

void UnaryFunction(Calculator& calc, std::string_view token) {
    // A fraction that failed to complete in this key's prelude has already shown its error.
    if (calc.entry.ErrorLocked) return;
    const double x = calc.formula.DisplayValue.Number();
    if (token == "fact") {
        DeliverResult(calc, Factorial(x));
        return;
    }
    for (const PlainFunction& f : kPlainFunctions) {
        if (f.token == token) {
            DeliverResult(calc, Evaluate(f, x));
            return;
        }
    }
}
