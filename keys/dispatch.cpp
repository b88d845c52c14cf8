// SPDX-License-Identifier: MIT
#include "keys/dispatch.h"

#include <array>
#include <optional>
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
#include "keys/tape_lines.h"
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

void ClearStage(Calculator& calc) { calc.entry.SexagesimalStage = ValueCell(); }

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
    if (calc.entry.ErrorLocked) {
        calc.entry.KeyToken.clear();
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
        calc.entry.KeyToken = std::string(token);
    } else if (IsOneOf(token, kOperatorKeys)) {
        if (!FunctionPrelude(calc)) return;
        calc.entry.KeyToken = std::string(token);
    } else if (token == "C") {
        if (calc.entry.FractionEntry) {
            calc.entry.FractionText.clear();
            calc.entry.FractionEntry = false;
        }
        ClearStage(calc);
        calc.entry.KeyToken.clear();
        ClearEntry(calc);
    } else if (token == "dot") {
        calc.entry.KeyToken = calc.entry.FractionEntry ? "" : "dot";
    } else if (token == "exp") {
        ClearStage(calc);
        if ((!calc.entry.EntryText.empty() || calc.entry.SignKeyed) && !calc.entry.FractionEntry) {
            calc.entry.ExponentEntry = true;
            if (calc.entry.ExponentDigits.empty()) calc.entry.KeyToken = "00";
        }
    } else if (token == "pm") {
        if (calc.entry.ExponentEntry) {
            calc.entry.ExponentNegative = !calc.entry.ExponentNegative;
            calc.entry.KeyToken.clear();
            EnterExponentDigit(calc);
        } else {
            if (!calc.entry.EntryText.empty()) calc.entry.SignKeyed = true;
            if (calc.entry.FractionEntry) calc.entry.KeyToken = "-";
            else ChangeSign(calc);
        }
    } else if (token == "PI") {
        if (!calc.entry.ExponentEntry && !calc.entry.FractionEntry) {
            EndOpenEntry(calc);
            InjectValue(calc, kCalculatorPi);
            calc.entry.EntryText.clear();
        }
    } else if (token == "x-y") {
        ExchangeDisplay(calc);
        EndEntryAndStage(calc);
        calc.entry.FractionEntry = false;
    } else if (token == "xy" || token == "root") {
        if (!FunctionPrelude(calc)) return;
        calc.entry.KeyToken = token == "xy" ? "expt" : "invexpt";
    } else if (IsUnaryFunctionToken(token)) {
        if (!FunctionPrelude(calc)) return;
        UnaryFunction(calc, token);
    } else if (IsTrigFunctionToken(token)) {
        if (!FunctionPrelude(calc)) return;
        TrigFunction(calc, token);
    } else if (token == "frc") {
        // A fraction cannot follow a keyed exponent.
        if (calc.entry.ExponentEntry || calc.entry.EntryText.find('E') != std::string::npos) return;
        calc.entry.FractionEntry = true;
        calc.entry.KeyToken = "/";
        FractionEntryStep(calc);
        calc.entry.KeyToken.clear();
    } else if (token == "sexa") {
        if (!Prelude(calc)) return;
        SexagesimalEntryStep(calc);
    } else if (token == "asex") {
        CompleteFractionEntry(calc);
        if (calc.entry.ErrorLocked) return;
        EndEntryAndStage(calc);
        SexagesimalDisplay(calc);
        calc.entry.KeyToken.clear();
    } else if (token == "rand") {
        calc.modes.RandomFormat = true;
        EndEntryAndStage(calc);
        calc.entry.FractionEntry = false;
        RandomKey(calc);
    } else if (token == "mo" || token == "xtract") {
        EndEntryAndStage(calc);
        calc.entry.FractionEntry = false;
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
        calc.entry.KeyToken.clear();
        ClearStage(calc);
        AddDataValue(calc);
    } else if (IsStatisticsToken(token)) {
        calc.entry.FractionEntry = false;
        StatisticsResult(calc, token);
    }
}

}  // namespace

void DispatchKey(Calculator& calc, std::string_view token) {
    if (calc.modes.ClockShowing) {
        EndClock(calc);
        return;
    }
    calc.entry.KeyToken.clear();
    if (!calc.entry.ErrorLocked) Route(calc, token);
    if (token == "AC") AllClear(calc);
    if (!calc.entry.FractionEntry) calc.entry.FractionText.clear();
    ProcessToken(calc);
    calc.modes.ClockShowing = false;
}

void ProcessToken(Calculator& calc) {
    const std::string& entry = calc.entry.EntryText;
    std::size_t digits = entry.size();
    if (entry.find('-') != std::string::npos) --digits;
    if (entry.find('.') != std::string::npos) --digits;

    const std::string& token = calc.entry.KeyToken;
    if (token.empty()) return;
    if (calc.entry.FractionEntry) {
        FractionEntryStep(calc);
        return;
    }
    if (calc.entry.ExponentEntry) {
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
    std::optional<TapeBefore> tape;
    if (calc.platform.tape) tape = TapeSnapshot(calc, key);
    // Only a conversion key right after a conversion key is a repeat.
    if (key.handler != PolarToRectKey && key.handler != RectToPolarKey) calc.conversion.ConversionKeyed = false;
    if (key.handler) {
        key.handler(calc);
    } else {
        if (key.setsIndicator) SetOperatorIndicator(calc, key.indicator);
        DispatchKey(calc, key.token);
    }
    calc.panel.OperatorPending = !calc.formula.OperandStack.empty();
    if (tape) WriteTapeLine(calc, key, *tape);
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
