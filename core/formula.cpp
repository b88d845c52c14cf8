// SPDX-License-Identifier: MIT
#include "core/formula.h"

#include <cmath>

#include "core/error_state.h"
#include "core/signed_power.h"

bool IsOperatorToken(std::string_view token) { return OperatorLevel(token) > 0; }

std::string_view OperatorSpelling(std::string_view token) {
    static constexpr std::string_view kSpellings[] = {"+", "-", "*", "/", "expt", "invexpt", "="};
    for (std::string_view spelling : kSpellings)
        if (spelling == token) return spelling;
    return {};
}

int OperatorLevel(std::string_view op) {
    if (op == "+" || op == "-") return 1;
    if (op == "*" || op == "/") return 2;
    if (op == "expt" || op == "invexpt") return 3;
    return 0;
}

TermResult ApplyOperator(double b, std::string_view op, double t) {
    double r = 0.0;
    if (op == "+") {
        r = b + t;
    } else if (op == "-") {
        r = b - t;
    } else if (op == "*") {
        r = b * t;
        if (!std::isfinite(r)) return {0.0, ErrorCause::Infinity};
    } else if (op == "/") {
        if (t == 0) return {0.0, ErrorCause::DivideByZero};
        r = b / t;
        if (!std::isfinite(r)) return {0.0, ErrorCause::Infinity};
    } else if (op == "expt" || op == "invexpt") {
        if (t == 0 && b == 0) return {0.0, ErrorCause::DivideByZero};
        if (op == "invexpt" && t == 0) return {0.0, ErrorCause::InvalidPower};
        const auto p = SignedPower(b, op == "expt" ? t : 1.0 / t);
        if (!p) return {0.0, ErrorCause::InvalidPower};
        r = *p;
    }
    return {r, ErrorCause::None};
}

TermResult EvaluateFormula(const FormulaStack& pending, double t) {
    TermResult v{t, ErrorCause::None};
    for (auto it = pending.rbegin(); it != pending.rend(); ++it) {
        v = ApplyOperator(it->value, it->op, v.value);
        if (v.failed()) return v;
    }
    return v;
}

FormulaStack PushFormulaNode(FormulaStack pending, double t, const std::string& op) {
    const int level = OperatorLevel(op);
    while (!pending.empty() && OperatorLevel(pending.back().op) >= level) {
        t = ApplyOperator(pending.back().value, pending.back().op, t).value;
        pending.pop_back();
    }
    pending.push_back({t, OperatorSpelling(op)});
    return pending;
}
