// SPDX-License-Identifier: MIT
#include "stats/statistics.h"

#include <algorithm>
#include <array>
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

// What the statistics keys work from: the count, the two sums and the squared deviations from
// the mean.
struct Moments {
    double n;
    double s1;
    double s2;
    long double m2;
};

// The last rounding of an update can leave m2 a hair below 0 for values that differ in their
// last bits; a variance is never negative.
double Deviation(const Moments& m, double divisor) {
    return static_cast<double>(std::sqrt(std::max(0.0L, m.m2 / divisor)));
}

// A key's result, or nullopt for the error with no reason text. The standard deviations come
// from the squared deviations, the rest from the sums.
struct StatisticsKey {
    std::string_view token;
    std::optional<double> (*result)(const Moments&);
};

constexpr std::array kStatisticsKeys = std::to_array<StatisticsKey>({
    {"dtn", [](const Moments& m) -> std::optional<double> { return m.n; }},
    {"dts", [](const Moments& m) -> std::optional<double> { return m.s1; }},
    {"ave", [](const Moments& m) -> std::optional<double> { return m.s1 / m.n; }},
    {"sqr1", [](const Moments& m) -> std::optional<double> { return m.s1 * m.s1; }},
    {"sqr2", [](const Moments& m) -> std::optional<double> { return m.s2; }},
    {"strd0", [](const Moments& m) -> std::optional<double> { return Deviation(m, m.n); }},
    {"strd1",
     [](const Moments& m) -> std::
                              optional<double> {
                                  if (m.n < 2) return std::nullopt;
                                  return Deviation(m, m.n - 1);
                              }},
});

std::optional<double> KeyResult(std::string_view token, const Moments& moments) {
    for (const StatisticsKey& key : kStatisticsKeys)
        if (key.token == token) return key.result(moments);
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

bool IsStatisticsToken(std::string_view token) {
    for (const StatisticsKey& key : kStatisticsKeys)
        if (key.token == token) return true;
    return false;
}

void StatisticsResult(Calculator& calc, std::string_view token) {
    EndOpenEntry(calc);
    if (!calc.statistics.StatData.HasElements()) {
        FailWith(calc, ErrorCause::EmptyData);
        calc.entry.EntryText.clear();
        return;
    }
    if (calc.statistics.StatData.Count() > kMaxDataValues) {
        FailWith(calc, ErrorCause::EmptyData);
        return;
    }
    const double n = static_cast<double>(calc.statistics.StatData.Count());
    const double s1 = calc.statistics.StatData.Sum();
    const double s2 = calc.statistics.StatData.SumOfSquares();
    if (!std::isfinite(s1) || !std::isfinite(s2)) {
        FailWith(calc, ErrorCause::EmptyData);
        return;
    }
    const std::optional<double> result = KeyResult(token, {n, s1, s2, calc.statistics.StatData.SquaredDeviations()});
    if (!result) {
        FailWith(calc, ErrorCause::Unnamed);
        calc.entry.EntryText.clear();
        return;
    }
    if (!std::isfinite(*result)) {
        FailWith(calc, ErrorCause::EmptyData);
        return;
    }
    InjectValue(calc, *result);
    calc.entry.EntryText.clear();
}
