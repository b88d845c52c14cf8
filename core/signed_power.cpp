// SPDX-License-Identifier: MIT
#include "core/signed_power.h"

#include <cmath>

#include "display/number_text.h"

namespace {

double RoundAt13(double f) { return std::round(f * 1e13) / 1e13; }

}  // namespace

double SnapWhole(double v) {
    if (!std::isfinite(v)) return v;
    const double magnitude = std::fabs(v);
    const std::string plain = PlainText(magnitude);
    if (plain.find('E') != std::string::npos || plain.find('.') == std::string::npos) return v;
    const double whole = std::trunc(magnitude);
    double fraction = magnitude - whole;
    const double rounded = RoundAt13(fraction);
    if (rounded == 0.0) fraction = 0.0;
    else if (rounded == 1.0) fraction = 1.0;
    return std::copysign(whole + fraction, v);
}

bool IsWholeAt13(double v) {
    const std::string text = FormatPattern(SnapWhole(v), HashPattern(13));
    return !text.empty() && text.back() == '.';
}

std::optional<double> SignedPower(double x, double a) {
    double result;
    if (!(x < 0)) {
        result = std::pow(x, a);
    } else if (a == 0) {
        result = 1.0;
    } else {
        const double m = std::fmax(SnapWhole(std::fabs(a)), SnapWhole(std::fabs(1.0 / a)));
        const double n = std::nearbyint(m);  // halves to the even neighbour
        const bool odd = std::fmod(n, 2.0) != 0.0;
        if (odd) {
            if (!IsWholeAt13(a) && !IsWholeAt13(1.0 / a)) return std::nullopt;
            result = -std::pow(-x, a);
        } else {
            if (!IsWholeAt13(a)) return std::nullopt;
            result = std::pow(x, std::round(SnapWhole(a)));
        }
    }
    if (!std::isfinite(result)) return std::nullopt;
    return result;
}
