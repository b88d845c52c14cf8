// SPDX-License-Identifier: MIT
#include "core/error_state.h"

#include "core/calculator.h"
#include "core/key_words.h"

const char* ErrorText(ErrorCause cause) {
    switch (cause) {
    case ErrorCause::None:
    case ErrorCause::Unnamed: return "";
    case ErrorCause::DivideByZero: return "Divide by Zero";
    case ErrorCause::Infinity: return "Infinity";
    case ErrorCause::InvalidPower: return "Invalid Power";
    case ErrorCause::Undefined: return "Undefined";
    case ErrorCause::OutOfRange: return "Out of Range";
    case ErrorCause::EmptyData: return "Empty Data";
    }
    return "";
}

void FailWith(Calculator& calc, ErrorCause reason) {
    calc.entry.KeyToken = "Error";
    calc.formula.ErrorReason = reason;
}

void ShowError(Calculator& calc) {
    const std::string reason = ErrorText(calc.formula.ErrorReason);
    const std::string shown = "*" + (reason.empty() ? std::string("Error") : reason) + "*";
    // Spoken while the display still shows the previous number, so the word is not suppressed.
    SpeakKeyWord(calc, "Error :::: " + reason);
    calc.entry.ErrorLocked = true;
    calc.formula.ErrorReason = ErrorCause::None;
    calc.panel.ExpoBox.clear();
    calc.panel.DisplayBox = shown;
}
