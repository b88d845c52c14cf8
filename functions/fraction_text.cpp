// SPDX-License-Identifier: MIT
#include "functions/fraction_text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "core/calculator.h"
#include "display/number_text.h"

namespace {

std::vector<std::string> SplitAtSeparators(const std::string& text) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == '/') parts.emplace_back();
        else parts.back() += c;
    }
    return parts;
}

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return "";
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

// A part of a fraction: digits with an optional leading "-"; an empty denominator counts as 0.
std::optional<double> ReadPart(const std::string& part, bool emptyIsZero) {
    const std::string trimmed = Trimmed(part);
    if (trimmed.empty()) return emptyIsZero ? std::optional<double>(0.0) : std::nullopt;
    const std::string_view digits = std::string_view(trimmed).substr(trimmed[0] == '-' ? 1 : 0);
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return ReadNumber(trimmed);
}

bool FitsInt32(double v) {
    return v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

int SeparatorCount(std::string_view text) { return static_cast<int>(std::count(text.begin(), text.end(), '/')); }

void ShowFractionText(Calculator& calc, const std::string& text) {
    if (SeparatorCount(text) == 2) {
        const auto first = text.find('/');
        calc.panel.DisplayBox = Trimmed(text.substr(0, first)) + " " + text.substr(first + 1) + ".";
    } else {
        calc.panel.DisplayBox = text + ".";
    }
    calc.panel.ExpoBox.clear();
    calc.views.FractionShown = true;
}

ValueCell FractionValue(Calculator& calc, const std::string& text) {
    const std::vector<std::string> parts = SplitAtSeparators(text);
    if (parts.size() == 3) {
        const auto whole = ReadPart(parts[0], false);
        const auto numerator = ReadPart(parts[1], false);
        const auto denominator = ReadPart(parts[2], true);
        if (!whole || !numerator || !denominator) return ValueCell("Error");
        const bool negative = std::signbit(*whole);
        calc.views.ImproperFractionText = ValueCell(
            (negative ? "-" : "") + PlainText(std::fabs(*whole) * std::fabs(*denominator) + std::fabs(*numerator)) +
            "/" + Trimmed(parts[2]));
        if (*denominator == 0.0) return ValueCell("Error");
        const double magnitude = std::fabs(*whole) + *numerator / *denominator;
        return ValueCell(negative ? -magnitude : magnitude);
    }
    if (parts.size() == 2) {
        const auto numerator = ReadPart(parts[0], false);
        const auto denominator = ReadPart(parts[1], true);
        calc.views.ImproperFractionText = ValueCell(Trimmed(parts[0]) + "/" + Trimmed(parts[1]));
        if (!numerator || !denominator || *denominator == 0.0) return ValueCell("Error");
        return ValueCell(*numerator / *denominator);
    }
    const auto value = ReadPart(parts[0], false);
    if (!value) return ValueCell("Error");
    return ValueCell(*value);
}

std::optional<std::int32_t> Gcd(double a, double b) {
    a = std::round(a);
    b = std::round(b);
    if (!FitsInt32(a) || !FitsInt32(b)) return std::nullopt;
    if (b == 0.0) return 0;
    std::int64_t x = static_cast<std::int64_t>(a);
    std::int64_t y = static_cast<std::int64_t>(b);
    std::int64_t r = x % y;
    while (r != 0) {
        x = y;
        y = r;
        r = x % y;
    }
    return static_cast<std::int32_t>(y);
}

RepeatingBlock FindRepeatingBlock(double x) {
    const std::string s = FormatPattern(std::fabs(x), FixedPattern(15));
    const auto point = s.find('.');
    if (point == std::string::npos) return {};
    std::string f = s.substr(point + 1);
    if (!f.empty()) f.pop_back();
    for (std::size_t c = 1; c <= f.size(); ++c) {
        const std::size_t q = f.size() / c;
        if (q <= 1) break;
        bool repeats = true;
        for (std::size_t j = 0; j + 1 < q && repeats; ++j) repeats = f.compare(j * c, c, f, (j + 1) * c, c) == 0;
        if (repeats) return {static_cast<int>(c), f.substr(0, c)};
    }
    return {};
}
