// SPDX-License-Identifier: MIT
#include "stats/statistics.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "core/calculator.h"
#include "core/error_state.h"
#include "core/number_entry.h"
#include "display/display_routines.h"
#include "display/number_text.h"
#include "stats/stat_keys.h"

namespace {

// The result of a statistics key, or nullopt for the error with no reason text. The standard
// deviations come from the squared deviations from the mean (m2), the rest from the sums.
std::optional<double> KeyResult(std::string_view token, double n, double s1, double s2, long double m2) {
    // The last rounding of an update can leave m2 a hair below 0 for values that differ in their
    // last bits; a variance is never negative.
    const auto deviation = [&](double divisor) { return static_cast<double>(std::sqrt(std::max(0.0L, m2 / divisor))); };
    if (token == "dtn") return n;
    if (token == "dts") return s1;
    if (token == "ave") return s1 / n;
    if (token == "sqr1") return s1 * s1;
    if (token == "sqr2") return s2;
    if (token == "strd0") return deviation(n);
    if (token == "strd1") {
        if (n < 2) return std::nullopt;
        return deviation(n - 1);
    }
    return std::nullopt;
}

}  // namespace

double ShownValue(double value) { return AtShownDigits(value); }

double FoldArray(const std::vector<double>& values, std::string_view op) {
    if (op == "+") {
        double sum = 0.0;
        for (double x : values) sum += ShownValue(x);
        return sum;
    }
    if (op == "*") {
        if (values.empty()) return 0.0;
        double product = ShownValue(values.front());
        for (std::size_t i = 1; i < values.size(); ++i) product *= ShownValue(values[i]);
        return product;
    }
    if (op == "&") {
        std::string joined;
        for (double x : values) joined += PlainText(x);
        return ReadNumber(joined);
    }
    return 0.0;
}

void ApplyToEach(std::vector<double>& values, std::string_view op) {
    for (double& x : values) {
        const double v = ShownValue(x);
        if (op == "*") x = v * v;
        else if (op == "+") x = v + v;
        else if (op == "&") x = ReadNumber(PlainText(v) + PlainText(v));
    }
}

void StatisticsResult(Calculator& calc, std::string_view token) {
    EndOpenEntry(calc);
    if (!calc.StatData.HasElements()) {
        FailWith(calc, kEmptyData);
        calc.EntryText.clear();
        return;
    }
    if (calc.StatData.Count() > kMaxDataValues) {
        FailWith(calc, kEmptyData);
        return;
    }
    const double n = static_cast<double>(calc.StatData.Count());
    const double s1 = calc.StatData.Sum();
    const double s2 = calc.StatData.SumOfSquares();
    if (!std::isfinite(s1) || !std::isfinite(s2)) {
        FailWith(calc, kEmptyData);
        return;
    }
    const std::optional<double> result = KeyResult(token, n, s1, s2, calc.StatData.SquaredDeviations());
    if (!result) {
        FailWith(calc, "");
        calc.EntryText.clear();
        return;
    }
    if (!std::isfinite(*result)) {
        FailWith(calc, kEmptyData);
        return;
    }
    InjectValue(calc, *result);
    calc.EntryText.clear();
}
