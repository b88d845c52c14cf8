// SPDX-License-Identifier: MIT
// d/c: the displayed number, or the fraction being keyed, as a reduced fraction and, on the next
// press, as an improper one.
#include <cmath>
#include <optional>
#include <string>

#include "core/calculator.h"
#include "display/display_routines.h"
#include "display/number_text.h"
#include "functions/fraction_text.h"
#include "functions/function_keys.h"
#include "functions/snapping.h"

namespace {

constexpr std::size_t kMaxFractionTextLength = 15;

// The number that follows the n-th "/" of a fraction text, as a magnitude.
double PartAfterSeparator(const std::string& text, int n) {
    std::size_t at = 0;
    for (int i = 0; i < n; ++i) at = text.find('/', at) + 1;
    return std::fabs(ReadNumber(std::string_view(text).substr(at)));
}

// numerator/denominator reduced by their common divisor; nullopt when they lie beyond the
// divisor's 32-bit range (or have none).
std::optional<std::string> Reduced(double numerator, double denominator) {
    const auto g = Gcd(numerator, denominator);
    if (!g || *g == 0) return std::nullopt;
    return PlainText(numerator / *g) + "/" + PlainText(denominator / *g);
}

// The fraction being keyed, reduced. A whole result is shown at once and ends the conversion
// (nullopt); so does a failure.
std::optional<std::string> ReduceKeyedFraction(Calculator& calc) {
    const std::string& keyed = calc.entry.FractionText;
    const ValueCell value = FractionValue(calc, keyed);
    if (!value.IsNumber()) return std::nullopt;
    const std::string sign = value.Number() < 0 ? "-" : "";
    const double a = std::fabs(ReadNumber(keyed));
    const double b = PartAfterSeparator(keyed, 1);
    if (SeparatorCount(keyed) == 1) {
        if (a == b) {
            ShowFractionText(calc, sign + "1");
            return std::nullopt;
        }
        const auto reduced = Reduced(a, b);
        if (!reduced) return std::nullopt;
        if (calc.views.FractionViewToggle > 1) calc.views.FractionViewToggle = 2;
        return sign + *reduced;
    }
    const double d = PartAfterSeparator(keyed, 2);
    if (b == d) {
        ShowFractionText(calc, sign + PlainText(a + 1.0));
        return std::nullopt;
    }
    const auto reduced = Reduced(b, d);
    if (!reduced) return std::nullopt;
    if (calc.views.FractionViewToggle > 1) calc.views.FractionViewToggle = 2;
    return sign + PlainText(a) + "/" + *reduced;
}

// The displayed number as a fraction, from the digits of its fifteen-digit text. A whole number
// is shown as a number and ends the conversion; so does a value in exponent form, whose digits
// after the point mean nothing as a fraction.
std::optional<std::string> DisplayedNumberAsFraction(Calculator& calc) {
    const double v = calc.formula.DisplayValue.Number();
    calc.formula.DisplaySource = v;
    const double whole = SnapNearIntegerLoose(v);
    if (whole == std::trunc(whole)) {
        DisplayValueOrText(calc, v, PlainText(whole));
        return std::nullopt;
    }
    const std::string s = PlainText(std::fabs(v));
    if (s.find('E') != std::string::npos) return std::nullopt;
    const auto point = s.find('.');
    const std::string wholeDigits = s.substr(0, point);
    const std::string decimals = s.substr(point + 1);

    const RepeatingBlock repeating = FindRepeatingBlock(v);
    const double numerator = repeating.period < 0 ? ReadNumber(decimals) : ReadNumber(repeating.block);
    const double denominator = repeating.period < 0 ? ReadNumber("1" + std::string(decimals.size(), '0'))
                                                    : ReadNumber(std::string(repeating.period, '9'));
    const auto reduced = Reduced(numerator, denominator);
    if (!reduced) return std::nullopt;
    const std::string sign = v < 0 ? "-" : "";
    return sign + (wholeDigits == "0" ? *reduced : wholeDigits + "/" + *reduced);
}

// Alternates the reduced and the improper view of the fraction text.
void ShowFractionView(Calculator& calc, const std::string& text) {
    if (text.size() > kMaxFractionTextLength) return;
    ShowFractionText(calc, text);
    calc.views.FractionViewToggle = calc.views.FractionViewToggle + 1 > 2 ? 1 : calc.views.FractionViewToggle + 1;
    if (calc.views.FractionViewToggle != 2) return;
    FractionValue(calc, text);
    const std::string improper = calc.views.ImproperFractionText.AsText();
    const auto slash = improper.find('/');
    if (slash == std::string::npos) return;
    const double n = ReadNumber(improper.substr(0, slash));
    const double d = ReadNumber(improper.substr(slash + 1));
    const auto g = Gcd(std::fabs(n), d);
    if (!g || *g == 0) return;
    const double reducedDenominator = d / *g;
    ShowFractionText(
        calc, reducedDenominator == 1.0 ? PlainText(n / *g) : PlainText(n / *g) + "/" + PlainText(reducedDenominator));
}

}  // namespace

void ConvertFraction(Calculator& calc) {
    if (calc.entry.ErrorLocked) return;
    calc.conversion.ConversionKeyed = false;
    const std::optional<std::string> text =
        calc.entry.FractionEntry ? ReduceKeyedFraction(calc) : DisplayedNumberAsFraction(calc);
    if (text) ShowFractionView(calc, *text);
}
