// SPDX-License-Identifier: MIT
#include "keys/dispatch.h"

#include <array>
#include <string>

#include "constants/constant_keys.h"
#include "core/calculator.h"
#include "core/clipboard_clock.h"
#include "core/error_state.h"
#include "core/evaluator.h"
#include "core/key_words.h"
#include "core/number_entry.h"
#include "display/display_routines.h"
#include "display/number_text.h"
#include "functions/angle_units.h"
#include "functions/function_keys.h"
#include "keys/key_table.h"
#include "memory/memory_keys.h"
#include "stats/stat_keys.h"

namespace {

template <std::size_t N>
bool IsOneOf(std::string_view token, const std::array<std::string_view, N>& list) {
    for (auto t : list)
        if (t == token) return true;
    return false;
}

constexpr std::array<std::string_view, 5> kOperatorKeys{"+", "-", "*", "/", "="};

void ClearStage(Calculator& calc) { calc.SexagesimalStage = ValueCell(); }

// The number being keyed ends, and with it a sexagesimal entry in progress.
void EndEntryAndStage(Calculator& calc) {
    EndOpenEntry(calc);
    ClearStage(calc);
}

// Closes an open fraction and ends the number being keyed. False when the fraction failed (zero
// denominator): the key ends at the error display.
bool Prelude(Calculator& calc) {
    CompleteFractionEntry(calc);
    EndOpenEntry(calc);
    if (calc.ErrorLocked) {
        calc.KeyToken.clear();
        return false;
    }
    return true;
}

bool FunctionPrelude(Calculator& calc) {
    if (!Prelude(calc)) return false;
    ClearStage(calc);
    return true;
}

void Route(Calculator& calc, std::string_view token) {
    if (token.size() == 1 && token[0] >= '0' && token[0] <= '9') {
        calc.KeyToken = std::string(token);
    } else if (IsOneOf(token, kOperatorKeys)) {
        if (!FunctionPrelude(calc)) return;
        calc.KeyToken = std::string(token);
    } else if (token == "C") {
        if (calc.FractionEntry) {
            calc.FractionText.clear();
            calc.FractionEntry = false;
        }
        ClearStage(calc);
        calc.KeyToken.clear();
        ClearEntry(calc);
    } else if (token == "dot") {
        calc.KeyToken = calc.FractionEntry ? "" : "dot";
    } else if (token == "exp") {
        ClearStage(calc);
        if ((!calc.EntryText.empty() || calc.SignKeyed) && !calc.FractionEntry) {
            calc.ExponentEntry = true;
            if (calc.ExponentDigits.empty()) calc.KeyToken = "00";
        }
    } else if (token == "pm") {
        if (calc.ExponentEntry) {
            calc.ExponentNegative = !calc.ExponentNegative;
            calc.KeyToken.clear();
            EnterExponentDigit(calc);
        } else {
            if (!calc.EntryText.empty()) calc.SignKeyed = true;
            if (calc.FractionEntry) calc.KeyToken = "-";
            else ChangeSign(calc);
        }
    } else if (token == "PI") {
        if (!calc.ExponentEntry && !calc.FractionEntry) {
            EndOpenEntry(calc);
            InjectValue(calc, kCalculatorPi);
            calc.EntryText.clear();
        }
    } else if (token == "x-y") {
        ExchangeDisplay(calc);
        EndEntryAndStage(calc);
        calc.FractionEntry = false;
    } else if (token == "xy" || token == "root") {
        if (!FunctionPrelude(calc)) return;
        calc.KeyToken = token == "xy" ? "expt" : "invexpt";
    } else if (IsUnaryFunctionToken(token)) {
        if (!FunctionPrelude(calc)) return;
        UnaryFunction(calc, token);
    } else if (IsTrigFunctionToken(token)) {
        if (!FunctionPrelude(calc)) return;
        TrigFunction(calc, token);
    } else if (token == "frc") {
        // A fraction cannot follow a keyed exponent.
        if (calc.ExponentEntry || calc.EntryText.find('E') != std::string::npos) return;
        calc.FractionEntry = true;
        calc.KeyToken = "/";
        FractionEntryStep(calc);
        calc.KeyToken.clear();
    } else if (token == "sexa") {
        if (!Prelude(calc)) return;
        SexagesimalEntryStep(calc);
    } else if (token == "asex") {
        CompleteFractionEntry(calc);
        if (calc.ErrorLocked) return;
        EndEntryAndStage(calc);
        SexagesimalDisplay(calc);
        calc.KeyToken.clear();
    } else if (token == "rand") {
        calc.RandomFormat = true;
        EndEntryAndStage(calc);
        calc.FractionEntry = false;
        RandomKey(calc);
    } else if (token == "mo" || token == "xtract") {
        EndEntryAndStage(calc);
        calc.FractionEntry = false;
        if (token == "mo") RecallMemory(calc);
        else PasteKey(calc);
    } else if (token == "ko") {
        RecallRegister(calc);
    } else if (token == "xk") {
        ExchangeRegister(calc);
    } else if (token == "cnst") {
        ConstantKey(calc);
    } else if (token == "ers") {
        ClearStage(calc);
        EraseKey(calc);
    } else if (token == "data") {
        if (!Prelude(calc)) return;
        calc.KeyToken.clear();
        ClearStage(calc);
        AddDataValue(calc);
    } else if (IsStatisticsToken(token)) {
        calc.FractionEntry = false;
        StatisticsResult(calc, token);
    }
}

}  // namespace

void DispatchKey(Calculator& calc, std::string_view token) {
    if (calc.ClockShowing) {
        EndClock(calc);
        return;
    }
    calc.KeyToken.clear();
    if (!calc.ErrorLocked) Route(calc, token);
    if (token == "AC") AllClear(calc);
    if (!calc.FractionEntry) calc.FractionText.clear();
    ProcessToken(calc);
    calc.ClockShowing = false;
}

void ProcessToken(Calculator& calc) {
    const std::string& entry = calc.EntryText;
    std::size_t digits = entry.size();
    if (entry.find('-') != std::string::npos) --digits;
    if (entry.find('.') != std::string::npos) --digits;

    const std::string& token = calc.KeyToken;
    if (token.empty()) return;
    if (calc.FractionEntry) {
        FractionEntryStep(calc);
        return;
    }
    if (calc.ExponentEntry) {
        EnterExponentDigit(calc);
        return;
    }
    if (token == "dot" || ReadsAsNumber(token)) {
        if (digits < 15) AppendToEntry(calc);
        return;
    }
    if (token == "Error") {
        ShowError(calc);
        return;
    }
    EvaluateOperator(calc);
}

void SetOperatorIndicator(Calculator& calc, std::string_view caption) {
    if (ReadsAsNumber(calc.panel.DisplayBox)) calc.panel.OperatorIndicator = std::string(caption);
}

void ClickKey(Calculator& calc, const FaceKey& key) {
    // Only a conversion key right after a conversion key is a repeat.
    if (key.handler != PolarToRectKey && key.handler != RectToPolarKey) calc.ConversionKeyed = false;
    if (key.handler) {
        key.handler(calc);
    } else {
        if (key.setsIndicator) SetOperatorIndicator(calc, key.indicator);
        DispatchKey(calc, key.token);
    }
    switch (key.wordKind) {
    case KeyWord::None: break;
    case KeyWord::Text: SpeakKeyWord(calc, std::string(key.word)); break;
    case KeyWord::Digit: SpeakKeyWord(calc, std::string(key.token)); break;
    case KeyWord::Sign:
        if (calc.panel.DisplayBox.starts_with('-')) SpeakKeyWord(calc, std::string(key.word));
        break;
    case KeyWord::Result: SpeakResult(calc); break;
    }
}
