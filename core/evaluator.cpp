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

bool ConstantOn(const Calculator& calc) { return !calc.formula.ConstantOperator.empty(); }

void Fail(Calculator& calc, ErrorCause reason) {
    calc.formula.Accumulator = ValueCell("Error");
    calc.formula.ErrorReason = reason;
}

void TakeParkedResult(Calculator& calc) {
    if (calc.entry.EntryText.empty() && !calc.entry.ParkedResult.empty()) {
        calc.entry.EntryText = calc.entry.ParkedResult;
        calc.entry.ParkedResult.clear();
    }
}

// Constant calculation: the accumulator is the operand (or the shown number); with "K" on, "="
// applies the constant operation to it.
void ApplyConstant(Calculator& calc) {
    const double a =
        !calc.entry.EntryText.empty() ? ReadNumber(calc.entry.EntryText) : calc.formula.DisplayValue.Number();
    calc.formula.Accumulator = ValueCell(a);
    if (!ConstantOn(calc) || calc.entry.KeyToken != "=") return;
    const double k = calc.formula.ConstantOperand.Number();
    const std::string& op = calc.formula.ConstantOperator;
    if (op == "/" && k == 0) return Fail(calc, ErrorCause::DivideByZero);
    if (op == "expt" && a == 0 && k == 0) return Fail(calc, ErrorCause::DivideByZero);
    if (op == "invexpt" && k == 0) return Fail(calc, ErrorCause::DivideByZero);
    const TermResult r = ApplyOperator(a, op, k);
    if (r.failed()) return Fail(calc, r.error);
    calc.formula.Accumulator = ValueCell(r.value);
}

// The term step for a new operand: the formula's value closed by it.
void ApplyTerm(Calculator& calc, double t) {
    const TermResult r = EvaluateFormula(calc.formula.OperandStack, t);
    if (r.failed()) return Fail(calc, r.error);
    calc.formula.Accumulator = ValueCell(r.value);
}

// Carries the formula past the operator just keyed (or "=").
void ExtendFormula(Calculator& calc, bool newOperand, bool constantSwitchedOn) {
    const std::string& token = calc.entry.KeyToken;
    if (token == "=") return;
    if (constantSwitchedOn) {
        // Switching "K" on drops the pending formula; it goes on from the shown number.
        calc.formula.FormulaBeforeOperator.clear();
        calc.formula.LastOperand = calc.formula.Accumulator.Number();
    } else if (newOperand) {
        calc.formula.FormulaBeforeOperator = calc.formula.OperandStack;
        calc.formula.LastOperand = ReadNumber(calc.entry.EntryText);
    } else if (calc.formula.LastOperator.empty()) {
        calc.formula.FormulaBeforeOperator.clear();
        calc.formula.LastOperand = calc.formula.Accumulator.Number();
    }
    // Otherwise the operator replaces the one keyed just before it.
    calc.formula.OperandStack = PushFormulaNode(calc.formula.FormulaBeforeOperator, calc.formula.LastOperand, token);
}

void ApplyLastOperator(Calculator& calc, bool constantSwitchedOn) {
    const bool newOperand = !calc.entry.EntryText.empty();
    if (!ConstantOn(calc) && newOperand && !calc.formula.LastOperator.empty()) {
        ApplyTerm(calc, ReadNumber(calc.entry.EntryText));
    } else if (!ConstantOn(calc) && !newOperand && !calc.formula.LastOperator.empty()) {
        // An operator or "=" right after an operator: the formula ends at its last operand.
        const TermResult r = EvaluateFormula(calc.formula.FormulaBeforeOperator, calc.formula.LastOperand);
        if (r.failed()) Fail(calc, r.error);
        else calc.formula.Accumulator = ValueCell(r.value);
    } else {
        ApplyConstant(calc);
    }
    if (calc.formula.Accumulator.IsText()) {
        ShowError(calc);
        return;
    }
    const double a = calc.formula.Accumulator.Number();
    const int e = ExponentAtLimits(a);
    if (a != 0 && e >= 100) {
        calc.formula.ErrorReason = ErrorCause::Infinity;
        ShowError(calc);
        return;
    }
    if (e < -99) calc.formula.Accumulator = ValueCell(0.0);
    ExtendFormula(calc, newOperand, constantSwitchedOn);
    if (calc.formula.LastOperator == calc.entry.KeyToken || calc.entry.KeyToken == "=")
        ShowResult(calc, calc.formula.Accumulator.Number());
}

void PushOperator(Calculator& calc) {
    TakeParkedResult(calc);
    const bool newOperand = !calc.entry.EntryText.empty();
    if (newOperand) calc.formula.OperatorRepeats.clear();
    if (calc.formula.OperatorRepeats.empty() || newOperand || calc.formula.LastOperator != calc.entry.KeyToken)
        calc.formula.OperatorRepeats = {calc.entry.KeyToken};
    else calc.formula.OperatorRepeats.push_back(calc.entry.KeyToken);

    const bool constantOn = calc.formula.OperatorRepeats.size() % 2 == 0;
    if (constantOn) {
        calc.formula.ConstantOperand = calc.formula.DisplayValue;
        calc.formula.ConstantOperator = calc.formula.OperatorRepeats.front();
        // As a character: GCC 12 takes the literal's copy for an overlapping one and warns.
        calc.panel.CCalc_Indicator.assign(1, 'K');
    } else {
        calc.formula.ConstantOperand = ValueCell();
        calc.formula.ConstantOperator.clear();
        calc.panel.CCalc_Indicator.clear();
    }
    ApplyLastOperator(calc, constantOn);
    calc.formula.LastOperator = calc.entry.KeyToken;
    calc.entry.EntryText.clear();
}

void FinishFormula(Calculator& calc) {
    TakeParkedResult(calc);
    if (calc.entry.EntryText.empty() && ConstantOn(calc)) calc.entry.EntryText = calc.formula.Accumulator.AsText();
    ApplyLastOperator(calc, false);
    calc.formula.LastOperator.clear();
    calc.formula.FormulaBeforeOperator.clear();
    calc.formula.OperandStack.clear();
    calc.entry.EntryText.clear();
}

}  // namespace

void ShowResult(Calculator& calc, double value) { DisplayValueOrText(calc, ValueCell(value), ValueCell()); }

void EvaluateOperator(Calculator& calc) {
    if (IsOperatorToken(calc.entry.KeyToken)) {
        if (!calc.entry.EntryText.empty()) CompleteRect(calc);
        if (!calc.entry.EntryText.empty()) CompletePolar(calc);
        PushOperator(calc);
    } else if (calc.entry.KeyToken == "=") {
        CompleteRect(calc);
        CompletePolar(calc);
        FinishFormula(calc);
    } else {
        calc.conversion.ConversionKeyed = false;
        return;
    }
    if (!calc.conversion.RectPending && !calc.conversion.PolarPending)
        calc.conversion.SwapRegister = calc.formula.Accumulator;
    calc.conversion.RectPending = false;
    calc.conversion.PolarPending = false;
    calc.conversion.ConversionKeyed = false;
}
