// SPDX-License-Identifier: MIT
#include "core/number_entry.h"

#include "core/calculator.h"
#include "display/display_routines.h"
#include "display/number_text.h"
#include "functions/function_keys.h"

namespace {

bool Contains(const std::string& s, char c) { return s.find(c) != std::string::npos; }

std::string UnsignedMantissa(const Calculator& calc) {
    const std::string& m = calc.entry.MantissaText;
    return !m.empty() && m.front() == '-' ? m.substr(1) : m;
}

bool EntryIsNegative(const std::string& entry) {
    const auto first = entry.find_first_not_of(' ');
    return first != std::string::npos && entry[first] == '-';
}

// Writes EntryText from the mantissa and the signed exponent digits, and shows it.
void ComposeExponentEntry(Calculator& calc, bool negativeMantissa) {
    calc.entry.EntryText = (negativeMantissa ? "-" : "") + UnsignedMantissa(calc) + "E" + calc.entry.ExponentDigits;
    ShowExponentText(calc, calc.entry.EntryText, ValueCell());
}

void SignExponentDigits(Calculator& calc) {
    std::string digits = calc.entry.ExponentDigits;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.erase(0, 1);
    calc.entry.ExponentDigits = (calc.entry.ExponentNegative ? "-" : "+") + digits;
}

void EraseMantissaDigit(Calculator& calc) {
    LeaveExponentEntry(calc);
    std::string& entry = calc.entry.EntryText;
    if (entry.size() == 1 || (entry.size() == 2 && EntryIsNegative(entry))) {
        DisplayValueOrText(calc, ValueCell(), ValueCell("0."));
        entry.clear();
        calc.entry.ParkedResult = "0.0";
    } else {
        entry.pop_back();
        if (!entry.empty() && entry.back() == '.') entry.pop_back();
        DisplayValueOrText(calc, ValueCell(), ValueCell(Contains(entry, '.') ? entry : entry + "."));
    }
    calc.entry.MantissaText = entry;
}

void EraseExponentDigit(Calculator& calc) {
    const bool negativeMantissa = EntryIsNegative(calc.entry.EntryText);
    std::string digits = calc.entry.ExponentDigits.size() == 3 ? calc.entry.ExponentDigits.substr(1) : "00";
    if (digits == "00") {
        calc.entry.EntryText = (negativeMantissa ? "-" : "") + UnsignedMantissa(calc);
        DisplayValueOrText(calc, ValueCell(), ValueCell(calc.entry.EntryText));
        calc.entry.ExponentDigits.clear();
        LeaveExponentEntry(calc);
        return;
    }
    calc.entry.ExponentDigits = "0" + digits.substr(0, 1);
    SignExponentDigits(calc);
    ComposeExponentEntry(calc, negativeMantissa);
}

}  // namespace

void AppendToEntry(Calculator& calc) {
    std::string& entry = calc.entry.EntryText;
    const std::string& token = calc.entry.KeyToken;
    if (entry.empty()) {
        entry = token == "dot" ? "0." : token;
    } else if (token != "dot") {
        const bool hasPoint = Contains(entry, '.');
        if (!hasPoint && ReadNumber(token) == 0 && ReadNumber(entry) == 0) entry = "0";
        else if (!hasPoint && ReadNumber(entry) == 0) entry = token;
        else entry += token;
    } else if (!Contains(entry, '.')) {
        entry += '.';
    }

    if (calc.entry.ValueInjected) DisplayValueOrText(calc, ValueCell(calc.entry.InjectedValue), ValueCell(entry));
    else DisplayValueOrText(calc, ValueCell(), ValueCell(entry));
    calc.views.FractionShown = false;
    calc.entry.ParkedResult.clear();
    if (!entry.empty()) calc.entry.MantissaText = entry;
    if (calc.entry.ValueInjected) {
        entry.clear();
        // The result in full, made only now: most results are never followed by a digit.
        calc.entry.ParkedResult = FormatPattern(calc.entry.InjectedValue, HashPattern(100, true));
        calc.entry.ValueInjected = false;
        // The sign keyed on an earlier entry no longer lets an exponent attach to a result.
        calc.entry.SignKeyed = false;
    }
}

void EnterExponentDigit(Calculator& calc) {
    const bool negativeMantissa = EntryIsNegative(calc.entry.EntryText);
    if (!calc.entry.ExponentDigits.empty()) {
        if (calc.entry.KeyToken != "dot") calc.entry.ExponentDigits += calc.entry.KeyToken;
    } else {
        calc.entry.ExponentDigits = calc.entry.KeyToken;
    }
    std::string digits = calc.entry.ExponentDigits;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.erase(0, 1);
    if (digits.size() > 2) digits = digits.substr(digits.size() - 2);
    while (digits.size() < 2) digits.insert(0, "0");
    calc.entry.ExponentDigits = digits;
    SignExponentDigits(calc);
    ComposeExponentEntry(calc, negativeMantissa);
    calc.entry.KeyToken.clear();
}

void ChangeSign(Calculator& calc) {
    std::string& entry = calc.entry.EntryText;
    if (entry.empty()) {
        InjectValue(calc, -calc.formula.DisplayValue.Number());
        entry.clear();
        return;
    }
    if (ReadNumber(entry) < 0) entry.erase(0, 1);
    else if (ReadNumber(entry) != 0) entry.insert(0, "-");
    DisplayValueOrText(calc, ValueCell(), ValueCell(entry));
    calc.entry.KeyToken.clear();
}

void EraseKey(Calculator& calc) {
    if (calc.entry.FractionEntry) {
        EraseFractionCharacter(calc);
    } else if (!calc.entry.EntryText.empty()) {
        if (calc.entry.EntryText.find_first_of("Ee") != std::string::npos) EraseExponentDigit(calc);
        else EraseMantissaDigit(calc);
    }
    calc.entry.KeyToken.clear();
}

void LeaveExponentEntry(Calculator& calc) {
    calc.entry.ExponentEntry = false;
    calc.entry.SignKeyed = false;
}

void EndOpenEntry(Calculator& calc) {
    LeaveExponentEntry(calc);
    calc.entry.ExponentDigits.clear();
    calc.entry.ExponentNegative = false;
}

void ClearEntry(Calculator& calc) {
    EndOpenEntry(calc);
    InjectValue(calc, 0.0);
    calc.entry.EntryText.clear();
}

void AllClear(Calculator& calc) {
    calc.entry = EntryState{};
    calc.formula = FormulaState{};
    calc.conversion = ConversionState{};
    calc.memory.MemorySwapTemp = ValueCell();
    calc.panel.CCalc_Indicator.clear();
    InjectValue(calc, 0.0);
    calc.entry.EntryText.clear();
}

void ExchangeDisplay(Calculator& calc) {
    if (calc.conversion.SwapRegister.IsEmpty()) calc.conversion.SwapRegister = ValueCell(0.0);
    const double shown = calc.formula.DisplayValue.Number();
    if (!calc.conversion.RectPending && !calc.conversion.PolarPending) {
        calc.formula.Accumulator = calc.formula.DisplayValue;
        // The formula goes on from the number shown before the exchange, with the same operator.
        if (!calc.formula.LastOperator.empty()) {
            calc.formula.FormulaBeforeOperator.clear();
            calc.formula.LastOperand = shown;
            calc.formula.OperandStack = {{shown, OperatorSpelling(calc.formula.LastOperator)}};
        }
    }
    InjectValue(calc, calc.conversion.SwapRegister.Number());
    calc.conversion.SwapRegister = ValueCell(shown);
    calc.entry.EntryText.clear();
}

bool NumberBeingKeyed(const Calculator& calc) { return !calc.entry.EntryText.empty() || calc.entry.FractionEntry; }
