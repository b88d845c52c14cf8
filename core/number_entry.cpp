// SPDX-License-Identifier: MIT
#include "core/number_entry.h"

#include "core/calculator.h"
#include "display/display_routines.h"
#include "display/number_text.h"
#include "functions/function_keys.h"

namespace {

bool Contains(const std::string& s, char c) { return s.find(c) != std::string::npos; }

std::string UnsignedMantissa(const Calculator& calc) {
    const std::string& m = calc.MantissaText;
    return !m.empty() && m.front() == '-' ? m.substr(1) : m;
}

bool EntryIsNegative(const std::string& entry) {
    const auto first = entry.find_first_not_of(' ');
    return first != std::string::npos && entry[first] == '-';
}

// Writes EntryText from the mantissa and the signed exponent digits, and shows it.
void ComposeExponentEntry(Calculator& calc, bool negativeMantissa) {
    calc.EntryText = (negativeMantissa ? "-" : "") + UnsignedMantissa(calc) + "E" + calc.ExponentDigits;
    ShowExponentText(calc, calc.EntryText, ValueCell());
}

void SignExponentDigits(Calculator& calc) {
    std::string digits = calc.ExponentDigits;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.erase(0, 1);
    calc.ExponentDigits = (calc.ExponentNegative ? "-" : "+") + digits;
}

void EraseMantissaDigit(Calculator& calc) {
    LeaveExponentEntry(calc);
    std::string& entry = calc.EntryText;
    if (entry.size() == 1 || (entry.size() == 2 && EntryIsNegative(entry))) {
        DisplayValueOrText(calc, ValueCell(), ValueCell("0."));
        entry.clear();
        calc.ParkedResult = "0.0";
    } else {
        entry.pop_back();
        if (!entry.empty() && entry.back() == '.') entry.pop_back();
        DisplayValueOrText(calc, ValueCell(), ValueCell(Contains(entry, '.') ? entry : entry + "."));
    }
    calc.MantissaText = entry;
}

void EraseExponentDigit(Calculator& calc) {
    const bool negativeMantissa = EntryIsNegative(calc.EntryText);
    std::string digits = calc.ExponentDigits.size() == 3 ? calc.ExponentDigits.substr(1) : "00";
    if (digits == "00") {
        calc.EntryText = (negativeMantissa ? "-" : "") + UnsignedMantissa(calc);
        DisplayValueOrText(calc, ValueCell(), ValueCell(calc.EntryText));
        calc.ExponentDigits.clear();
        LeaveExponentEntry(calc);
        return;
    }
    calc.ExponentDigits = "0" + digits.substr(0, 1);
    SignExponentDigits(calc);
    ComposeExponentEntry(calc, negativeMantissa);
}

}  // namespace

void AppendToEntry(Calculator& calc) {
    std::string& entry = calc.EntryText;
    const std::string& token = calc.KeyToken;
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

    if (calc.ValueInjected) DisplayValueOrText(calc, ValueCell(calc.InjectedValue), ValueCell(entry));
    else DisplayValueOrText(calc, ValueCell(), ValueCell(entry));
    calc.FractionShown = false;
    calc.ParkedResult.clear();
    if (!entry.empty()) calc.MantissaText = entry;
    if (calc.ValueInjected) {
        entry.clear();
        calc.ParkedResult = calc.InjectedFullText;
        calc.ValueInjected = false;
        // The sign keyed on an earlier entry no longer lets an exponent attach to a result.
        calc.SignKeyed = false;
    }
}

void EnterExponentDigit(Calculator& calc) {
    const bool negativeMantissa = EntryIsNegative(calc.EntryText);
    if (!calc.ExponentDigits.empty()) {
        if (calc.KeyToken != "dot") calc.ExponentDigits += calc.KeyToken;
    } else {
        calc.ExponentDigits = calc.KeyToken;
    }
    std::string digits = calc.ExponentDigits;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.erase(0, 1);
    if (digits.size() > 2) digits = digits.substr(digits.size() - 2);
    while (digits.size() < 2) digits.insert(0, "0");
    calc.ExponentDigits = digits;
    SignExponentDigits(calc);
    ComposeExponentEntry(calc, negativeMantissa);
    calc.KeyToken.clear();
}

void ChangeSign(Calculator& calc) {
    std::string& entry = calc.EntryText;
    if (entry.empty()) {
        InjectValue(calc, -calc.DisplayValue.Number());
        entry.clear();
        return;
    }
    if (ReadNumber(entry) < 0) entry.erase(0, 1);
    else if (ReadNumber(entry) != 0) entry.insert(0, "-");
    DisplayValueOrText(calc, ValueCell(), ValueCell(entry));
    calc.KeyToken.clear();
}

void EraseKey(Calculator& calc) {
    if (calc.FractionEntry) {
        EraseFractionCharacter(calc);
    } else if (!calc.EntryText.empty()) {
        if (calc.EntryText.find_first_of("Ee") != std::string::npos) EraseExponentDigit(calc);
        else EraseMantissaDigit(calc);
    }
    calc.KeyToken.clear();
}

void LeaveExponentEntry(Calculator& calc) {
    calc.ExponentEntry = false;
    calc.SignKeyed = false;
}

void EndOpenEntry(Calculator& calc) {
    LeaveExponentEntry(calc);
    calc.ExponentDigits.clear();
    calc.ExponentNegative = false;
}

void ClearEntry(Calculator& calc) {
    EndOpenEntry(calc);
    InjectValue(calc, 0.0);
    calc.EntryText.clear();
}

void AllClear(Calculator& calc) {
    calc.KeyToken.clear();
    calc.LastOperator.clear();
    calc.OperandStack.clear();
    calc.FormulaBeforeOperator.clear();
    calc.LastOperand = 0.0;
    calc.ErrorLocked = false;
    calc.EntryText.clear();
    calc.MemorySwapTemp = ValueCell();
    calc.SignKeyed = false;
    calc.DisplaySource = ValueCell();
    calc.Accumulator = ValueCell();
    calc.ErrorReason = ValueCell();
    calc.ExponentEntry = false;
    calc.ExponentDigits.clear();
    calc.MantissaText.clear();
    calc.ValueInjected = false;
    calc.InjectedFullText.clear();
    calc.ExponentNegative = false;
    calc.FractionText.clear();
    calc.SexagesimalStage = ValueCell();
    calc.FractionEntry = false;
    calc.ConstantOperator.clear();
    calc.ConversionR = ValueCell();
    calc.RectPending = false;
    calc.ConstantOperand = ValueCell();
    calc.ConversionX = ValueCell();
    calc.PolarPending = false;
    calc.SwapRegister = ValueCell();
    calc.OperatorRepeats.clear();
    calc.ConversionKeyed = false;
    calc.ParkedResult.clear();
    calc.panel.CCalc_Indicator.clear();
    InjectValue(calc, 0.0);
    calc.EntryText.clear();
}

void ExchangeDisplay(Calculator& calc) {
    if (calc.SwapRegister.IsEmpty()) calc.SwapRegister = ValueCell(0.0);
    const double shown = calc.DisplayValue.Number();
    if (!calc.RectPending && !calc.PolarPending) {
        calc.Accumulator = calc.DisplayValue;
        // The formula goes on from the number shown before the exchange, with the same operator.
        if (!calc.LastOperator.empty()) {
            calc.FormulaBeforeOperator.clear();
            calc.LastOperand = shown;
            calc.OperandStack = {{shown, calc.LastOperator}};
        }
    }
    InjectValue(calc, calc.SwapRegister.Number());
    calc.SwapRegister = ValueCell(shown);
    calc.EntryText.clear();
}
