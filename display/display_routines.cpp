// SPDX-License-Identifier: MIT
#include "display/display_routines.h"

#include <cmath>

#include "core/calculator.h"
#include "core/error_state.h"
#include "display/number_text.h"

namespace {

void ShowSplit(Calculator& calc, const std::string& t) {
    ShownParts parts = SplitForDisplay(t);
    calc.panel.DisplayBox = std::move(parts.mantissa);
    calc.panel.ExpoBox = std::move(parts.exponent);
}

}  // namespace

ShownParts SplitForDisplay(std::string_view t) {
    const auto e = t.find_first_of("Ee");
    std::string mantissa(t.substr(0, e));
    if (mantissa.find('.') == std::string::npos) mantissa += '.';
    if (e == std::string_view::npos) return {mantissa, ""};
    // The exponent field: a blank for "+" or the "-", then the last two digits.
    const char sign = t.find('+') != std::string_view::npos ? ' ' : '-';
    return {mantissa, std::string(1, sign) + std::string(t.size() >= 2 ? t.substr(t.size() - 2) : t)};
}

std::string FormatByMode(const Calculator& calc, double value, bool forDisplay) {
    if (calc.modes.RandomFormat) return FormatPattern(value, "0.000");
    if (!calc.modes.FixDecimals.IsEmpty())
        return FormatPattern(value, FixedPattern(static_cast<int>(calc.modes.FixDecimals.Number())));
    if (!calc.modes.SciDecimals.IsEmpty())
        return FormatPattern(value, ScientificPattern(static_cast<int>(calc.modes.SciDecimals.Number())));
    return forDisplay ? LimitSignificantDigits(PlainText(value)) : PlainText(value);
}

void InjectValue(Calculator& calc, double value) {
    if (!std::isfinite(value)) {
        calc.entry.InjectedValue = 0.0;
        calc.entry.ValueInjected = true;
        calc.modes.RandomFormat = false;
        FailWith(calc, ErrorCause::Infinity);
        return;
    }
    calc.entry.InjectedValue = value;
    calc.entry.KeyToken = FormatByMode(calc, value, false);
    calc.entry.ValueInjected = true;
    calc.modes.RandomFormat = false;
    const int e = ExponentAtLimits(value);
    if (e > 99) FailWith(calc, ErrorCause::Infinity);
    else if (e < -99) calc.entry.KeyToken = "0";
}

void DisplayValueOrText(Calculator& calc, const ValueCell& value, const ValueCell& text) {
    calc.panel.DateBox.clear();
    std::string t = !text.IsEmpty() ? text.AsText() : FormatByMode(calc, value.Number(), true);
    t = FitDisplayText(t);
    calc.panel.ExpoBox.clear();
    calc.formula.DisplayValue =
        !value.IsEmpty() ? ValueCell(ReadNumber(PlainText(value.Number()))) : ValueCell(ReadNumber(text.AsText()));
    calc.formula.DisplaySource = !text.IsEmpty() ? text : value;
    ShowSplit(calc, t);
}

void ShowExponentText(Calculator& calc, const std::string& text, const ValueCell& value) {
    calc.panel.ExpoBox.clear();
    calc.formula.DisplayValue = ValueCell(!value.IsEmpty() ? value.Number() : ReadNumber(text));
    calc.formula.DisplaySource = !text.empty() ? ValueCell(text) : value;
    if (text.find_first_of("Ee") == std::string::npos) return;
    ShowSplit(calc, text);
    std::erase(calc.panel.DisplayBox, ' ');
}
