// SPDX-License-Identifier: MIT
#include "core/error_state.h"

#include "core/calculator.h"
#include "core/key_words.h"
#include "core/translation.h"

namespace {

constexpr const char* kErrorWord = QT_TRANSLATE_NOOP("Errors", "Error");

}  // namespace

const char* ErrorText(ErrorCause cause) {
    switch (cause) {
    case ErrorCause::None:
    case ErrorCause::Unnamed: return "";
    case ErrorCause::DivideByZero: return QT_TRANSLATE_NOOP("Errors", "Divide by Zero");
    case ErrorCause::Infinity: return QT_TRANSLATE_NOOP("Errors", "Infinity");
    case ErrorCause::InvalidPower: return QT_TRANSLATE_NOOP("Errors", "Invalid Power");
    case ErrorCause::Undefined: return QT_TRANSLATE_NOOP("Errors", "Undefined");
    case ErrorCause::OutOfRange: return QT_TRANSLATE_NOOP("Errors", "Out of Range");
    case ErrorCause::EmptyData: return QT_TRANSLATE_NOOP("Errors", "Empty Data");
    }
    return "";
}

void FailWith(Calculator& calc, ErrorCause reason) {
    calc.entry.KeyToken = "Error";
    calc.formula.ErrorReason = reason;
}

void ShowError(Calculator& calc) {
    const std::string reason = ErrorText(calc.formula.ErrorReason);
    // The display holds the English text, as the tape and numora-keys print it; the window shows
    // it and the voice says it in the user's language.
    const std::string shown = "*" + (reason.empty() ? std::string(kErrorWord) : reason) + "*";
    // Spoken while the display still shows the previous number, so the word is not suppressed.
    SpeakKeyWord(calc, Translated("Errors", kErrorWord) +
                           " :::: " + (reason.empty() ? std::string() : Translated("Errors", reason.c_str())));
    calc.entry.ErrorLocked = true;
    calc.formula.ErrorReason = ErrorCause::None;
    calc.panel.ExpoBox.clear();
    calc.panel.DisplayBox = shown;
}
