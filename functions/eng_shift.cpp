// SPDX-License-Identifier: MIT
// «-Eng and Eng-»: the shown number with its point moved by three places and the exponent to
// match. Only the shown text changes; DisplayValue keeps the number.
#include <algorithm>
#include <cmath>
#include <string>

#include "core/calculator.h"
#include "display/display_routines.h"
#include "display/number_text.h"
#include "functions/function_keys.h"

namespace {

constexpr int kMaxMantissaDigits = 15;
constexpr double kMaxExponent = 99;

std::string WithoutBlanks(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

int MantissaDigits(std::string_view text) {
    const std::string_view mantissa = text.substr(0, text.find_first_of("Ee"));
    return static_cast<int>(
        std::count_if(mantissa.begin(), mantissa.end(), [](char c) { return c >= '0' && c <= '9'; }));
}

// What the display was built from, as a number text. A shown text that is not a number (an
// angle in degrees, minutes and seconds) or has more digits than the display (a Fixed-mode text
// of a large value) stands for the display value.
std::string ShownNumberText(const Calculator& calc) {
    const std::string source = calc.formula.DisplaySource.AsText();
    if (ReadsAsNumber(WithoutBlanks(source)) && MantissaDigits(source) <= kMaxMantissaDigits) return source;
    return PlainText(calc.formula.DisplayValue.Number());
}

// The digits of a magnitude in decimal form, never in exponent form.
std::string DecimalDigits(double magnitude) {
    const std::string plain = PlainText(magnitude);
    return plain.find('E') == std::string::npos ? plain : FormatPattern(magnitude, HashPattern(100));
}

// Moves the point of a mantissa ("12345.6") three places; returns the exponent change.
int MovePoint(std::string& m, bool left) {
    auto point = m.find('.');
    if (left) {
        if (point < 3) {
            m.insert(0, 3 - point % 3, '0');
            point = m.find('.');
        }
        m = m.substr(0, point - 3) + "." + m.substr(point - 3, 3) + m.substr(point + 1);
        return 3;
    }
    const std::size_t decimals = m.size() - point - 1;
    if (decimals < 3) m.append(3 - decimals % 3, '0');
    m = m.substr(0, point) + m.substr(point + 1, 3) + "." + m.substr(point + 4);
    return -3;
}

void EngShift(Calculator& calc, bool left) {
    if (calc.entry.ErrorLocked) return;
    calc.conversion.ConversionKeyed = false;
    CompleteFractionEntry(calc);
    if (calc.entry.ErrorLocked) return;

    const ValueCell shownValue = calc.formula.DisplayValue;
    const std::string t = ShownNumberText(calc);
    const double v = ReadNumber(t);
    if (v == 0.0) return;
    const bool negative = v < 0;
    const std::string sign = negative ? "-" : "";
    const auto e = t.find_first_of("Ee");
    if (e == std::string::npos) {
        // The first press only switches to the exponent form, with the digits the display
        // shows (a plain text such as 0.0157073173118207 has more than fifteen).
        ShowExponentText(calc, sign + LimitSignificantDigits(DecimalDigits(std::fabs(v))) + " E+00", shownValue);
        return;
    }

    std::string m = t.substr(0, e);
    m.erase(std::remove_if(m.begin(), m.end(), [](char c) { return c == '-' || c == ' '; }), m.end());
    if (m.find('.') == std::string::npos) m += '.';
    const double x = ReadNumber(std::string_view(t).substr(e + 1)) + MovePoint(m, left);
    if (m.front() == '.') m.insert(0, 1, '0');
    m = sign + FormatPattern(m, HashPattern(100));

    const std::string exponent = std::string(x < 0 ? "E-" : "E+") + FormatPattern(std::fabs(x), "00");
    const int digits = static_cast<int>(m.size()) - (negative ? 1 : 0) - (m.find('.') != std::string::npos ? 1 : 0);
    if (std::fabs(x) <= kMaxExponent && digits <= kMaxMantissaDigits)
        ShowExponentText(calc, m + " " + exponent, shownValue);
}

}  // namespace

void EngShiftLeft(Calculator& calc) { EngShift(calc, true); }

void EngShiftRight(Calculator& calc) { EngShift(calc, false); }
