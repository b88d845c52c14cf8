// SPDX-License-Identifier: MIT
#include "core/evaluator.h"

#include "core/calculator.h"
#include "core/error_state.h"
#include "core/formula.h"
#include "core/signed_power.h"
#include "display/display_routines.h"
#include "display/number_text.h"
#include "functions/function_keys.h"

namespace {

bool ConstantOn(const Calculator& calc) { return !calc.ConstantOperator.empty(); }

void Fail(Calculator& calc, const char* reason) {
    calc.Accumulator = ValueCell("Error");
    calc.ErrorReason = ValueCell(reason);
}

void TakeParkedResult(Calculator& calc) {
    if (calc.EntryText.empty() && !calc.ParkedResult.empty()) {
        calc.EntryText = calc.ParkedResult;
        calc.ParkedResult.clear();
    }
}

// Constant calculation: the accumulator is the operand (or the shown number); with "K" on, "="
// applies the constant operation to it.
void ApplyConstant(Calculator& calc) {
    const double a = !calc.EntryText.empty() ? ReadNumber(calc.EntryText) : calc.DisplayValue.Number();
    calc.Accumulator = ValueCell(a);
    if (!ConstantOn(calc) || calc.KeyToken != "=") return;
    const double k = calc.ConstantOperand.Number();
    const std::string& op = calc.ConstantOperator;
    if (op == "/" && k == 0) return Fail(calc, kDivideByZero);
    if (op == "expt" && a == 0 && k == 0) return Fail(calc, kDivideByZero);
    if (op == "invexpt" && k == 0) return Fail(calc, kDivideByZero);
    const TermResult r = ApplyOperator(a, op, k);
    if (r.error) return Fail(calc, r.error);
    calc.Accumulator = ValueCell(r.value);
}

// The term step for a new operand: the formula's value closed by it.
void ApplyTerm(Calculator& calc, double t) {
    const TermResult r = EvaluateFormula(calc.OperandStack, t);
    if (r.error) return Fail(calc, r.error);
    calc.Accumulator = ValueCell(r.value);
}

// Carries the formula past the operator just keyed (or "=").
void ExtendFormula(Calculator& calc, bool newOperand, bool constantSwitchedOn) {
    const std::string& token = calc.KeyToken;
    if (token == "=") return;
    if (constantSwitchedOn) {
        // Switching "K" on drops the pending formula; it goes on from the shown number.
        calc.FormulaBeforeOperator.clear();
        calc.LastOperand = calc.Accumulator.Number();
    } else if (newOperand) {
        calc.FormulaBeforeOperator = calc.OperandStack;
        calc.LastOperand = ReadNumber(calc.EntryText);
    } else if (calc.LastOperator.empty()) {
        calc.FormulaBeforeOperator.clear();
        calc.LastOperand = calc.Accumulator.Number();
    }
    // Otherwise the operator replaces the one keyed just before it.
    calc.OperandStack = PushFormulaNode(calc.FormulaBeforeOperator, calc.LastOperand, token);
}

void ApplyLastOperator(Calculator& calc, bool constantSwitchedOn) {
    const bool newOperand = !calc.EntryText.empty();
    if (!ConstantOn(calc) && newOperand && !calc.LastOperator.empty()) {
        ApplyTerm(calc, ReadNumber(calc.EntryText));
    } else if (!ConstantOn(calc) && !newOperand && !calc.LastOperator.empty()) {
        // An operator or "=" right after an operator: the formula ends at its last operand.
        const TermResult r = EvaluateFormula(calc.FormulaBeforeOperator, calc.LastOperand);
        if (r.error) Fail(calc, r.error);
        else calc.Accumulator = ValueCell(r.value);
    } else {
        ApplyConstant(calc);
    }
    if (calc.Accumulator.IsText()) {
        ShowError(calc);
        return;
    }
    const double a = calc.Accumulator.Number();
    const int e = ExponentOf(PlainText(a));
    if (a != 0 && e >= 100) {
        calc.ErrorReason = ValueCell(kInfinity);
        ShowError(calc);
        return;
    }
    if (e < -99) calc.Accumulator = ValueCell(0.0);
    ExtendFormula(calc, newOperand, constantSwitchedOn);
    if (calc.LastOperator == calc.KeyToken || calc.KeyToken == "=") ShowResult(calc, calc.Accumulator.Number());
}

void PushOperator(Calculator& calc) {
    TakeParkedResult(calc);
    const bool newOperand = !calc.EntryText.empty();
    if (newOperand) calc.OperatorRepeats.clear();
    if (calc.OperatorRepeats.empty() || newOperand || calc.LastOperator != calc.KeyToken)
        calc.OperatorRepeats = {calc.KeyToken};
    else calc.OperatorRepeats.push_back(calc.KeyToken);

    const bool constantOn = calc.OperatorRepeats.size() % 2 == 0;
    if (constantOn) {
        calc.ConstantOperand = calc.DisplayValue;
        calc.ConstantOperator = calc.OperatorRepeats.front();
        calc.panel.CCalc_Indicator = "K";
    } else {
        calc.ConstantOperand = ValueCell();
        calc.ConstantOperator.clear();
        calc.panel.CCalc_Indicator.clear();
    }
    ApplyLastOperator(calc, constantOn);
    calc.LastOperator = calc.KeyToken;
    calc.EntryText.clear();
}

void FinishFormula(Calculator& calc) {
    TakeParkedResult(calc);
    if (calc.EntryText.empty() && ConstantOn(calc)) calc.EntryText = calc.Accumulator.AsText();
    ApplyLastOperator(calc, false);
    calc.LastOperator.clear();
    calc.FormulaBeforeOperator.clear();
    calc.OperandStack.clear();
    calc.EntryText.clear();
}

}  // namespace

void ShowResult(Calculator& calc, double value) { DisplayValueOrText(calc, ValueCell(value), ValueCell()); }

void EvaluateOperator(Calculator& calc) {
    if (IsOperatorToken(calc.KeyToken)) {
        if (!calc.EntryText.empty()) CompleteRect(calc);
        if (!calc.EntryText.empty()) CompletePolar(calc);
        PushOperator(calc);
    } else if (calc.KeyToken == "=") {
        CompleteRect(calc);
        CompletePolar(calc);
        FinishFormula(calc);
    } else {
        calc.ConversionKeyed = false;
        return;
    }
    if (!calc.RectPending && !calc.PolarPending) calc.SwapRegister = calc.Accumulator;
    calc.RectPending = false;
    calc.PolarPending = false;
    calc.ConversionKeyed = false;
}
