// SPDX-License-Identifier: MIT
#include "keys/key_names.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "display/number_text.h"
#include "keys/key_table.h"

namespace {

constexpr auto kSpokenNames = std::to_array<std::pair<std::string_view, std::string_view>>({
    {"key_Kin", "register in"},
    {"key_Kout", "register out"},
    {"key_Sexa", "angle input"},
    {"key_Asex", "angular display"},
    {"key_Frc", "fraction input"},
    {"key_PM", "change sign"},
    {"key_Ers", "back"},
    {"key_Time", "clock"},
    {"com_Random", "random number"},
    {"key_KAC", "clear registers"},
    {"key_RtoP", "rectangular to polar"},
    {"key_PtoR", "polar to rectangular"},
    {"key_Cnst", "constant"},
    {"key_XtoK", "swap with register"},
    {"key_XtoY", "swap x and y"},
    {"key_Dc", "fraction convert"},
    {"key_EngR", "engineering shift right"},
    {"key_EngL", "engineering shift left"},
    {"key_Mplus", "memory plus"},
    {"key_Mminus", "memory minus"},
    {"key_Sqr2", "sum of squares"},
    {"key_Sqr1", "square of sum"},
    {"key_Dts", "sum of data"},
    {"key_Ave", "mean"},
    {"key_Strd1", "sample standard deviation"},
    {"key_Strd0", "population standard deviation"},
    {"key_Dtn", "data count"},
    {"key_Del", "delete data"},
    {"key_Data", "add data"},
    {"key_C", "cancel"},
    {"key_AC", "all clear"},
    {"key_plus", "plus"},
    {"key_dot", "point"},
    {"key_equal", "equals"},
});

std::string_view Trimmed(std::string_view text, std::string_view around = " ") {
    const auto first = text.find_first_not_of(around);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(around) - first + 1);
}

constexpr std::array<std::string DisplayPanel::*, 4> kStateIndicators{
    &DisplayPanel::Mem_Indicator, &DisplayPanel::CCalc_Indicator, &DisplayPanel::Mode_Indicator,
    &DisplayPanel::DispMode_Indicator};

// Adds a part to a reading, parts separated by a comma; a blank part adds nothing.
void AddPart(std::string& text, std::string_view part) {
    part = Trimmed(part);
    if (part.empty()) return;
    if (!text.empty()) text += ", ";
    text += part;
}

}  // namespace

std::string KeyName(const FaceKey& key) {
    const auto named = std::find_if(kSpokenNames.begin(), kSpokenNames.end(),
                                    [&](const auto& entry) { return entry.first == key.name; });
    if (named != kSpokenNames.end()) return std::string(named->second);
    if (key.wordKind == KeyWord::Digit) return std::string(key.token);
    return std::string(key.word);
}

std::string ShownReading(const DisplayPanel& panel) {
    std::string_view shown = Trimmed(panel.DisplayBox);
    // An error stands between asterisks, which no one reads out.
    if (!ReadsAsNumber(shown)) return std::string(Trimmed(shown, " *"));
    if (shown.ends_with('.')) shown.remove_suffix(1);
    std::string text = shown.starts_with('-') ? "negative " + std::string(shown.substr(1)) : std::string(shown);
    const double exponent = ReadNumber(panel.ExpoBox);
    if (exponent != 0) {
        text += " times 10 to the power ";
        if (exponent < 0) text += "negative ";
        text += PlainText(std::fabs(exponent));
    }
    return text;
}

std::string IndicatorReading(const DisplayPanel& panel) {
    std::string text;
    for (const auto indicator : kStateIndicators) AddPart(text, panel.*indicator);
    if (!panel.OperatorIndicator.empty()) {
        const auto keys = FaceKeys();
        const auto op = std::find_if(keys.begin(), keys.end(), [&](const FaceKey& key) {
            return key.setsIndicator && !key.indicator.empty() && key.indicator == panel.OperatorIndicator;
        });
        AddPart(text, (panel.OperatorPending ? "pending " : "last operator ") +
                          (op != keys.end() ? KeyName(*op) : panel.OperatorIndicator));
    }
    return text;
}

std::string IndicatorChanges(const DisplayPanel& before, const DisplayPanel& now) {
    std::string text;
    for (const auto indicator : kStateIndicators) {
        const std::string_view was = Trimmed(before.*indicator), is = Trimmed(now.*indicator);
        if (was == is) continue;
        AddPart(text, is.empty() ? std::string(was) + " off" : std::string(is));
    }
    return text;
}
