// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/error_state.h"

// The pending part of a keyed formula as a short stack of (operand, operator) nodes whose
// operator levels rise strictly from bottom to top: a node is reduced as soon as an operator of
// the same or a lower level follows it, so at most three nodes (sum, product, power) are ever
// pending. Keying "2 + 3 *" leaves [(2, +), (3, *)]; the value of the formula ending at a new
// operand t folds from the top: 2 + (3 * t). This keeps the accumulator equal to the value of
// the formula under priority after every operand, however powers, products and sums mix.
struct FormulaNode {
    double value;
    // "+", "-", "*", "/", "expt", "invexpt", "=" as their one static copy (OperatorSpelling), so
    // that a formula copies as plain data: the undo history copies it before every key.
    std::string_view op;
};
using FormulaStack = std::vector<FormulaNode>;

struct TermResult {
    double value = 0.0;
    ErrorCause error = ErrorCause::None;
    bool failed() const { return error != ErrorCause::None; }
};

bool IsOperatorToken(std::string_view token);
// The static copy of an operator token's spelling; "" for a token that is none.
std::string_view OperatorSpelling(std::string_view token);
int OperatorLevel(std::string_view op);

// b op t with the calculator's rules: division by zero, the signed power, 0^0.
TermResult ApplyOperator(double b, std::string_view op, double t);
// The value of the pending formula closed by the operand t.
TermResult EvaluateFormula(const FormulaStack& pending, double t);
// Pushes operand t followed by operator op, reducing what op's level closes.
FormulaStack PushFormulaNode(FormulaStack pending, double t, const std::string& op);
