// SPDX-License-Identifier: MIT
#include "core/error_state.h"

#include "core/calculator.h"
#include "core/key_words.h"

void FailWith(Calculator& calc, const char* reason) {
    calc.KeyToken = "Error";
    calc.ErrorReason = ValueCell(reason);
}

void ShowError(Calculator& calc) {
    const std::string reason = calc.ErrorReason.AsText();
    const std::string shown = "*" + (reason.empty() ? std::string("Error") : reason) + "*";
    // Spoken while the display still shows the previous number, so the word is not suppressed.
    SpeakKeyWord(calc, "Error :::: " + reason);
    calc.ErrorLocked = true;
    calc.ErrorReason = ValueCell();
    calc.panel.ExpoBox.clear();
    calc.panel.DisplayBox = shown;
}
