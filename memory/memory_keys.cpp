// SPDX-License-Identifier: MIT
#include "memory/memory_keys.h"

#include <cmath>
#include <utility>

#include "core/calculator.h"
#include "core/clipboard_clock.h"
#include "core/number_entry.h"
#include "display/display_routines.h"
#include "display/number_text.h"
#include "functions/function_keys.h"
#include "memory/register_chooser.h"

namespace {

// The display value as the register keys take it: at the 15 digits that were shown.
double ShownValue(const Calculator& calc) { return AtShownDigits(calc.formula.DisplayValue.Number()); }

void EndEntryAfterStore(Calculator& calc) {
    EndOpenEntry(calc);
    calc.entry.ParkedResult =
        calc.entry.EntryText.empty() ? PlainText(calc.formula.DisplayValue.Number()) : calc.entry.EntryText;
    calc.entry.EntryText.clear();
}

void AbandonOpenEntry(Calculator& calc) {
    EndOpenEntry(calc);
    calc.entry.SexagesimalStage = ValueCell();
    calc.entry.FractionEntry = false;
}

// Opens the register window in `mode` and returns the confirmed index, or -1.
int ChooseRegister(Calculator& calc, int mode) {
    calc.memory.MemoryFormMode = mode;
    calc.memory.ChosenRegister = -1;
    calc.memory.ChosenDescription.clear();
    if (calc.platform.registers) calc.platform.registers->ShowRegisterWindow(calc);
    return IsRegisterIndex(calc.memory.ChosenRegister) ? calc.memory.ChosenRegister : -1;
}

void ChangeRegisterByDisplay(Calculator& calc, int mode, double sign) {
    const int i = ChooseRegister(calc, mode);
    if (i < 0) return;
    CompleteFractionEntry(calc);
    MemoryRegister& reg = calc.memory.MemoryRegisters[i];
    reg.Value = reg.Value + sign * ShownValue(calc);
    EndEntryAfterStore(calc);
}

}  // namespace

void ShowMemoryIndicator(Calculator& calc) { calc.panel.Mem_Indicator = calc.memory.MemoryValue == 0.0 ? "" : "MEM"; }

void StoreMemory(Calculator& calc) {
    if (calc.modes.ClockShowing) EndClock(calc);
    CompleteFractionEntry(calc);
    // A failed fraction entry can leave a text on the display; the memory keeps its value then.
    const ValueCell& shown = calc.formula.DisplayValue;
    if (shown.IsText() && !ReadsAsNumber(shown.Text())) return;
    calc.memory.MemoryValue = shown.Number();
    // Like a computed value, the stored number ends the entry and is the next operand.
    EndOpenEntry(calc);
    calc.entry.ParkedResult = PlainText(shown.Number());
    calc.entry.EntryText.clear();
    ShowMemoryIndicator(calc);
}

void RecallMemory(Calculator& calc) {
    InjectValue(calc, calc.memory.MemoryValue);
    calc.entry.EntryText.clear();
}

void StoreRegister(Calculator& calc) {
    if (calc.modes.ClockShowing) {
        EndClock(calc);
        return;
    }
    if (calc.entry.ErrorLocked) return;
    const int i = ChooseRegister(calc, kModeIn);
    if (i < 0) return;
    calc.memory.MemoryRegisters[i].Value = calc.formula.DisplayValue.Number();
    calc.memory.MemoryRegisters[i].Description = calc.memory.ChosenDescription;
}

void RecallRegister(Calculator& calc) {
    const int i = ChooseRegister(calc, kModeRecall);
    if (i < 0) return;
    AbandonOpenEntry(calc);
    InjectValue(calc, std::as_const(calc.memory.MemoryRegisters)[i].Value);
    calc.entry.EntryText.clear();
}

void ExchangeRegister(Calculator& calc) {
    const int i = ChooseRegister(calc, kModeSwap);
    if (i < 0) return;
    AbandonOpenEntry(calc);
    MemoryRegister& reg = calc.memory.MemoryRegisters[i];
    calc.memory.MemorySwapTemp = reg.Value;
    reg.Value = ShownValue(calc);
    InjectValue(calc, ReadNumber(calc.memory.MemorySwapTemp.AsText()));
    calc.entry.EntryText.clear();
    calc.memory.MemorySwapTemp = ValueCell();
}

void AddToRegister(Calculator& calc) { ChangeRegisterByDisplay(calc, kModeAdd, 1.0); }

void SubtractFromRegister(Calculator& calc) { ChangeRegisterByDisplay(calc, kModeMinus, -1.0); }

void ClearRegisters(Calculator& calc) { ChooseRegister(calc, kModeDelete); }
