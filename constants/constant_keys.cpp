// SPDX-License-Identifier: MIT
#include "constants/constant_keys.h"

#include "constants/constant_picker.h"
#include "core/calculator.h"
#include "core/number_entry.h"
#include "display/display_routines.h"
#include "display/number_text.h"

void ConstantKey(Calculator& calc) {
    calc.memory.ChosenConstant.clear();
    if (calc.platform.constants) calc.platform.constants->ShowConstantWindow(calc);
    if (calc.memory.ChosenConstant.empty()) return;
    // An open fraction entry is abandoned, not completed.
    EndOpenEntry(calc);
    calc.entry.SexagesimalStage = ValueCell();
    calc.entry.FractionEntry = false;
    InjectValue(calc, ReadNumber(calc.memory.ChosenConstant));
    calc.entry.EntryText.clear();
}
