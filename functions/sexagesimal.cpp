// SPDX-License-Identifier: MIT
// Angles (or times) in degrees, minutes and seconds: Sexa keys them, Asex shows them.
#include <cmath>
#include <string>

#include "core/calculator.h"
#include "display/display_routines.h"
#include "display/number_text.h"
#include "functions/function_keys.h"

namespace {

// The display holds fourteen characters of such a text besides its point.
constexpr std::size_t kMaxSexagesimalCharacters = 14;
constexpr std::string_view kDegreeSign = "\u00B0";

// Characters, not bytes: the degree sign takes two bytes in UTF-8.
std::size_t CharacterCount(const std::string& text) {
    std::size_t count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

std::string SexagesimalText(double x) {
    const double minutes = (x - std::trunc(x)) * 60.0;
    const double seconds = (minutes - std::trunc(minutes)) * 60.0;
    // Seconds rounded to at most four decimals; 59.99996 shows as 60, not carried into minutes.
    const double roundedSeconds = ReadNumber(FormatPattern(std::fabs(seconds), "0.000#"));
    // fmod reduces exactly even for whole degrees beyond 2^53; the sign stays with the value,
    // also when its whole degrees are 0 (-0.5 is -0 degrees 30 minutes).
    const double degrees = std::fabs(std::fmod(std::trunc(x), 360.0));
    return (x < 0 ? "-" : "") + PlainText(degrees) + std::string(kDegreeSign) +
           PlainText(std::trunc(std::fabs(minutes))) + "'" + PlainText(roundedSeconds) + "\"";
}

}  // namespace

void SexagesimalEntryStep(Calculator& calc) {
    // A fraction that failed to complete in this key's prelude has already shown its error.
    if (calc.entry.ErrorLocked) return;
    const double x = calc.formula.DisplayValue.Number();
    if (calc.entry.SexagesimalStage.IsEmpty()) calc.entry.SexagesimalStage = 3;
    const double stage = calc.entry.SexagesimalStage.Number();
    switch (static_cast<int>(std::fmod(stage, 3.0))) {
    case 0: calc.views.SexagesimalAccumulator = x; break;
    case 1: calc.views.SexagesimalAccumulator += x / 60.0; break;
    default: calc.views.SexagesimalAccumulator += x / 3600.0; break;
    }
    calc.entry.SexagesimalStage = stage + 1.0;
    InjectValue(calc, calc.views.SexagesimalAccumulator);
    calc.entry.EntryText.clear();
}

void SexagesimalDisplay(Calculator& calc) {
    if (calc.entry.ErrorLocked) return;
    const double x = calc.formula.DisplayValue.Number();
    const std::string text = SexagesimalText(x);
    if (CharacterCount(text) <= kMaxSexagesimalCharacters) DisplayValueOrText(calc, ValueCell(x), ValueCell(text));
    // The entry ends as after a computed value: the next digit starts a new number, an operator
    // takes the shown value.
    calc.entry.EntryText.clear();
    calc.entry.ParkedResult = FormatPattern(x, HashPattern(100, true));
}
