// SPDX-License-Identifier: MIT
#include "display/shown_text.h"

#include <algorithm>

#include "core/calculator.h"
#include "core/translation.h"
#include "display/display_routines.h"
#include "display/number_text.h"

namespace {

std::string OneLine(const std::string& mantissa, const std::string& exponent) {
    if (exponent.empty()) return mantissa;
    const char sign = exponent.front() == '-' ? '-' : '+';
    return mantissa + "E" + sign + exponent.substr(1);
}

}  // namespace

std::string ShownText(const DisplayPanel& panel) {
    const std::string& box = panel.DisplayBox;
    if (box.size() >= 2 && box.front() == '*' && box.back() == '*') return box.substr(1, box.size() - 2);
    return OneLine(box, panel.ExpoBox);
}

std::string OperandText(std::string_view shown) {
    const std::size_t e = std::min(shown.find('E'), shown.size());
    std::string text(shown);
    if (e > 0 && shown[e - 1] == '.') text.erase(e - 1, 1);
    return text;
}

std::string ValueText(const Calculator& calc, double value) {
    const ShownParts parts = SplitForDisplay(FitDisplayText(FormatByMode(calc, value, true)));
    return OneLine(parts.mantissa, parts.exponent);
}

std::string DisplayedBox(std::string_view displayBox) {
    if (displayBox.size() < 2 || !displayBox.starts_with('*') || !displayBox.ends_with('*'))
        return std::string(displayBox);
    const std::string reason(displayBox.substr(1, displayBox.size() - 2));
    return "*" + Translated("Errors", reason.c_str()) + "*";
}
