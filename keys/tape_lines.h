// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/register_bank.h"

struct Calculator;
struct FaceKey;

// The paper tape's view of a key: what the calculator showed before it, so that the line the key
// finishes can say what it was applied to. Lines are written to calc.platform.tape in the
// display's own texts: "2 + 3 x 4 = 14.", "sin 30 = 0.5", "Min 2.5", "Kin 7 Width = 5.",
// "Sdx = 2.1380899352994", "5 / 0 = Divide by Zero". Keys that finish nothing (digits, an
// operator, the first half of a conversion) write nothing; the formula's words wait in
// calc.formula.TapeFormula.
struct TapeBefore {
    std::string shown;
    bool errorLocked = false;
    bool clockShowing = false;
    bool operandWaiting = false;  // a keyed number or a result that the next operator takes
    bool conversionPending = false;
    std::string lastOperator;
    std::string constantOperator;
    std::optional<RegisterBank> registers;  // KAC only
    std::vector<double> data;  // Del only
};

TapeBefore TapeSnapshot(const Calculator& calc, const FaceKey& key);
// Writes the line the key finished, if any, and keeps the formula's words up to date.
void WriteTapeLine(Calculator& calc, const FaceKey& key, const TapeBefore& before);
