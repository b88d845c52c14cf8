// SPDX-License-Identifier: MIT
// Keying a fraction: whole number, ab/c, numerator, ab/c, denominator.
#include <algorithm>
#include <string>

#include "core/calculator.h"
#include "core/error_state.h"
#include "core/number_entry.h"
#include "display/display_routines.h"
#include "display/number_text.h"
#include "functions/fraction_text.h"
#include "functions/function_keys.h"

namespace {

// The display has fifteen digit positions; a fraction gets no more digits than a number.
constexpr long kMaxFractionDigits = 15;

bool IsDigitToken(const std::string& key) { return key.size() == 1 && key[0] >= '0' && key[0] <= '9'; }

// Only a plain whole number other than 0 can become the first part of a fraction.
bool StartsFraction(const std::string& entry) {
    return !entry.empty() && entry.find_first_of(".Ee") == std::string::npos && ReadNumber(entry) != 0.0;
}

void ApplyFractionKey(std::string& fraction, const std::string& key) {
    if (key == "/") {
        if (fraction.back() != '/') fraction += '/';
    } else if (key == "-") {
        if (fraction.front() == '-') fraction.erase(0, 1);
        else fraction.insert(0, 1, '-');
    } else if (IsDigitToken(key)) {
        const long digits =
            std::count_if(fraction.begin(), fraction.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (digits < kMaxFractionDigits) fraction += key;
    }
}

}  // namespace

void FractionEntryStep(Calculator& calc) {
    std::string key = calc.entry.KeyToken;
    if (SeparatorCount(calc.entry.FractionText) == 2 && key == "/") key.clear();
    if (calc.entry.FractionText.empty() && StartsFraction(calc.entry.EntryText))
        calc.entry.FractionText = calc.entry.EntryText;
    if (calc.entry.FractionText.empty()) {
        calc.entry.FractionEntry = false;
        return;
    }
    ApplyFractionKey(calc.entry.FractionText, key);
    ShowFractionText(calc);
}

void CompleteFractionEntry(Calculator& calc) {
    if (!calc.entry.FractionEntry) return;
    const ValueCell value = FractionValue(calc, calc.entry.FractionText);
    calc.entry.FractionText.clear();
    calc.entry.FractionEntry = false;
    if (!value.IsNumber()) {
        calc.formula.ErrorReason = ErrorCause::DivideByZero;
        ShowError(calc);
        return;
    }
    calc.formula.DisplayValue = value;
    calc.formula.DisplaySource = value;
    calc.entry.EntryText = PlainText(value.Number());
}

void EraseFractionCharacter(Calculator& calc) {
    const bool negative = !calc.entry.FractionText.empty() && calc.entry.FractionText.front() == '-';
    std::string body = calc.entry.FractionText.substr(negative ? 1 : 0);
    LeaveExponentEntry(calc);
    if (body.size() < 2) {
        DisplayValueOrText(calc, ValueCell(), ValueCell("0."));
        calc.entry.ParkedResult = "0.0";
        calc.entry.FractionText.clear();
        calc.entry.FractionEntry = false;
        calc.entry.EntryText.clear();
        return;
    }
    body.pop_back();
    calc.entry.FractionText = (negative ? "-" : "") + body;
    ShowFractionText(calc);
    if (calc.entry.FractionText.find('/') == std::string::npos) {
        // The digits left are an ordinary entry again, and the display value follows them.
        calc.entry.EntryText = calc.entry.FractionText;
        calc.entry.MantissaText = calc.entry.EntryText;
        calc.entry.FractionText.clear();
        calc.entry.FractionEntry = false;
        DisplayValueOrText(calc, ValueCell(), ValueCell(calc.entry.EntryText));
    }
}

void ShowFractionText(Calculator& calc) { ShowFractionText(calc, calc.entry.FractionText); }
