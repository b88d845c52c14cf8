// SPDX-License-Identifier: MIT
#include "keys/key_names.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "core/key_words.h"
#include "core/translation.h"
#include "display/number_text.h"
#include "display/shown_text.h"
#include "keys/key_table.h"

namespace {

constexpr const char* kKeyTexts = "Keys";

constexpr auto kSpokenNames = std::to_array<std::pair<std::string_view, std::string_view>>({
    {"key_Kin", QT_TRANSLATE_NOOP("Keys", "register in")},
    {"key_Kout", QT_TRANSLATE_NOOP("Keys", "register out")},
    {"key_Sexa", QT_TRANSLATE_NOOP("Keys", "angle input")},
    {"key_Asex", QT_TRANSLATE_NOOP("Keys", "angular display")},
    {"key_Frc", QT_TRANSLATE_NOOP("Keys", "fraction input")},
    {"key_PM", QT_TRANSLATE_NOOP("Keys", "change sign")},
    {"key_Ers", QT_TRANSLATE_NOOP("Keys", "back")},
    {"key_Time", QT_TRANSLATE_NOOP("Keys", "clock")},
    {"com_Random", QT_TRANSLATE_NOOP("Keys", "random number")},
    {"key_KAC", QT_TRANSLATE_NOOP("Keys", "clear registers")},
    {"key_RtoP", QT_TRANSLATE_NOOP("Keys", "rectangular to polar")},
    {"key_PtoR", QT_TRANSLATE_NOOP("Keys", "polar to rectangular")},
    {"key_Cnst", QT_TRANSLATE_NOOP("Keys", "constant")},
    {"key_XtoK", QT_TRANSLATE_NOOP("Keys", "swap with register")},
    {"key_XtoY", QT_TRANSLATE_NOOP("Keys", "swap x and y")},
    {"key_Dc", QT_TRANSLATE_NOOP("Keys", "fraction convert")},
    {"key_EngR", QT_TRANSLATE_NOOP("Keys", "engineering shift right")},
    {"key_EngL", QT_TRANSLATE_NOOP("Keys", "engineering shift left")},
    {"key_Mplus", QT_TRANSLATE_NOOP("Keys", "memory plus")},
    {"key_Mminus", QT_TRANSLATE_NOOP("Keys", "memory minus")},
    {"key_Sqr2", QT_TRANSLATE_NOOP("Keys", "sum of squares")},
    {"key_Sqr1", QT_TRANSLATE_NOOP("Keys", "square of sum")},
    {"key_Dts", QT_TRANSLATE_NOOP("Keys", "sum of data")},
    {"key_Ave", QT_TRANSLATE_NOOP("Keys", "mean")},
    {"key_Strd1", QT_TRANSLATE_NOOP("Keys", "sample standard deviation")},
    {"key_Strd0", QT_TRANSLATE_NOOP("Keys", "population standard deviation")},
    {"key_Dtn", QT_TRANSLATE_NOOP("Keys", "data count")},
    {"key_Del", QT_TRANSLATE_NOOP("Keys", "delete data")},
    {"key_Data", QT_TRANSLATE_NOOP("Keys", "add data")},
    {"key_C", QT_TRANSLATE_NOOP("Keys", "cancel")},
    {"key_AC", QT_TRANSLATE_NOOP("Keys", "all clear")},
    {"key_plus", QT_TRANSLATE_NOOP("Keys", "plus")},
    {"key_dot", QT_TRANSLATE_NOOP("Keys", "point")},
    {"key_equal", QT_TRANSLATE_NOOP("Keys", "equals")},
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
    if (named != kSpokenNames.end()) return Translated(kKeyTexts, std::string(named->second).c_str());
    if (key.wordKind == KeyWord::Digit) return std::string(key.token);
    return Translated(kKeyTexts, std::string(key.word).c_str());
}

std::string ShownReading(const DisplayPanel& panel) {
    std::string_view shown = Trimmed(panel.DisplayBox);
    // An error stands between asterisks, which no one reads out.
    if (!ReadsAsNumber(shown)) return std::string(Trimmed(DisplayedBox(shown), " *"));
    if (shown.ends_with('.')) shown.remove_suffix(1);
    const std::string negative = Translated(kKeyTexts, QT_TRANSLATE_NOOP("Keys", "negative")) + " ";
    std::string text = shown.starts_with('-') ? negative + SpokenNumber(shown.substr(1)) : SpokenNumber(shown);
    const double exponent = ReadNumber(panel.ExpoBox);
    if (exponent != 0) {
        text += " " + Translated(kKeyTexts, QT_TRANSLATE_NOOP("Keys", "times 10 to the power")) + " ";
        if (exponent < 0) text += negative;
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
        AddPart(text, Translated(kKeyTexts, panel.OperatorPending ? QT_TRANSLATE_NOOP("Keys", "pending")
                                                                  : QT_TRANSLATE_NOOP("Keys", "last operator")) +
                          " " + (op != keys.end() ? KeyName(*op) : panel.OperatorIndicator));
    }
    return text;
}

std::string IndicatorChanges(const DisplayPanel& before, const DisplayPanel& now) {
    std::string text;
    for (const auto indicator : kStateIndicators) {
        const std::string_view was = Trimmed(before.*indicator), is = Trimmed(now.*indicator);
        if (was == is) continue;
        AddPart(text, is.empty() ? std::string(was) + " " + Translated(kKeyTexts, QT_TRANSLATE_NOOP("Keys", "off"))
                                 : std::string(is));
    }
    return text;
}
